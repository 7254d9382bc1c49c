#pragma once
// The objects the program builds before start-up, in a fixed order, and
// takes down in the reverse order at exit: the registered update-list
// message, the application object and the services it installs for the
// libraries below it (message box, country directory).

#include <windows.h>

#include <memory>

#include "core/AppMessage.h"
#include "ui/base/WorldCountryDirectory.h"

class CLedraApp;

class CGlobalObjects {
public:
    CGlobalObjects();
    ~CGlobalObjects();
    CGlobalObjects(const CGlobalObjects&) = delete;
    CGlobalObjects& operator=(const CGlobalObjects&) = delete;

    CLedraApp& App() { return *app_; }

private:
    std::unique_ptr<CLedraApp> app_;
    CWorldCountryDirectory countryDirectory_;
    AppMessageSink previousSink_{};
    AppReportSink previousReportSink_{};
};

// The registered window message "WXM_UPDATE_LIST"; 0 before start.
UINT GetUpdateListMessage();
