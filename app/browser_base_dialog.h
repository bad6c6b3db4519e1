#pragma once

#include "colors/color_data_entry.h"
#include "framework/controls.h"
#include "framework/dialog.h"
#include "tables/data_table.h"

class TColorSample;

// What the detector panel and the color browser have in common: the named color table and the
// controls both layouts hold (swatch, hex code, red, green and blue fields).
class TTintwickBrowserBaseDlg : public TDialog {
public:
    TTintwickBrowserBaseDlg(TWindow *parent, int resourceId);

protected:
    Orvak::DataBaseEngine::ConcreteDataTable table;

    // Control objects, owned by the dialog as its children; they attach to the layout's controls by id.
    TGroupBox *colorGroup;
    TColorSample *colorSample;
    TStatic *nameLabel;
    TStatic *hexLabel;
    TEdit *hexCode;
    TGroupBox *rgbGroup;
    TStatic *redLabel;
    TEdit *red;
    TStatic *greenLabel;
    TEdit *green;
    TStatic *blueLabel;
    TEdit *blue;
};
