#include "app/browser_base_dialog.h"

#include "controls/color_sample.h"
#include "resources/resource_ids.h"

TTintwickBrowserBaseDlg::TTintwickBrowserBaseDlg(TWindow *parent, int resourceId)
    : TDialog(parent, resourceId),
      colorGroup(new TGroupBox(this, IDC_COLOR_GROUP)),
      colorSample(new TColorSample(this, IDC_COLOR_SAMPLE)),
      nameLabel(new TStatic(this, IDC_NAME_LABEL)),
      hexLabel(new TStatic(this, IDC_HEX_LABEL)),
      hexCode(new TEdit(this, IDC_HEX_CODE, 6)),
      rgbGroup(new TGroupBox(this, IDC_RGB_GROUP)),
      redLabel(new TStatic(this, IDC_RED_LABEL)),
      red(new TEdit(this, IDC_RED, 3)),
      greenLabel(new TStatic(this, IDC_GREEN_LABEL)),
      green(new TEdit(this, IDC_GREEN, 3)),
      blueLabel(new TStatic(this, IDC_BLUE_LABEL)),
      blue(new TEdit(this, IDC_BLUE, 3)) {}
