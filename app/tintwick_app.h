#pragma once

#include "framework/application.h"

// The application: its one contribution is the main window, a fixed-size topmost frame around the
// detector panel.
class TTintwickApp : public TApplication {
public:
    using TApplication::TApplication;

    void InitMainWindow() override;
};
