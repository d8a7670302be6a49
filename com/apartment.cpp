#include "com/apartment.h"

#include "com/hresult_failure.h"

namespace com {

Apartment::Apartment() {
    const HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    // S_FALSE: already entered on this thread, which still needs its matching uninitialise.
    check(result, "CoInitializeEx");
    initialised_ = true;
    filterRegistered_ = SUCCEEDED(CoRegisterMessageFilter(&filter_, &previousFilter_));
}

Apartment::~Apartment() {
    if (filterRegistered_) {
        IMessageFilter* ours = nullptr;
        CoRegisterMessageFilter(previousFilter_, &ours);
        if (previousFilter_) previousFilter_->Release();
    }
    // After the operator's Cancel an application may never answer again: uninitialising would
    // release what is left of its objects, calls that could wait on it for ever. The thread, and
    // with it the program, ends without.
    if (initialised_ && !filter_.operatorCancelled()) CoUninitialize();
}

}  // namespace com
