#pragma once

namespace Halvane::MFC {

// How a value control tells its dialog that the user changed its value.
class IChangeNotify {
public:
    virtual void OnChange(void* sender) = 0;

protected:
    ~IChangeNotify() = default;
};

}  // namespace Halvane::MFC
