#include "support/ScreenReader.h"

#include "platform/Handles.h"

#include <ole2.h>
#include <oleacc.h>

namespace {

using Accessible = platform::ComPointer<IAccessible>;

VARIANT self() {
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = CHILDID_SELF;
    return child;
}

Accessible open(HWND control, HRESULT& found) {
    // Spelled out: with mingw-w64 the library's IID_IAccessible is an import thunk.
    static constexpr GUID accessibleId{
        0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
    Accessible object;
    found = AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), accessibleId,
                                       object.putVoid());
    if (FAILED(found))
        object.release(); // a failed call promises nothing about the slot
    return object;
}

// A text the object hands out, freed here; empty when it has none.
template <typename Ask> std::wstring textOf(Ask&& ask) {
    BSTR text = nullptr;
    std::wstring result;
    if (ask(&text) == S_OK && text)
        result = text;
    SysFreeString(text);
    return result;
}

} // namespace

ScreenReader::ScreenReader() : com_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}

ScreenReader::~ScreenReader() {
    if (SUCCEEDED(com_))
        CoUninitialize();
}

ScreenReader::Answer ScreenReader::read(HWND control) const {
    Answer answer;
    const Accessible object = open(control, answer.found);
    if (!object)
        return answer;
    answer.name = textOf([&](BSTR* text) { return object->get_accName(self(), text); });
    answer.defaultAction =
        textOf([&](BSTR* text) { return object->get_accDefaultAction(self(), text); });
    VARIANT role;
    VariantInit(&role);
    if (SUCCEEDED(object->get_accRole(self(), &role)) && role.vt == VT_I4)
        answer.role = role.lVal;
    VariantClear(&role);
    return answer;
}

HRESULT ScreenReader::doDefaultAction(HWND control) const {
    HRESULT found = E_FAIL;
    const Accessible object = open(control, found);
    return object ? object->accDoDefaultAction(self()) : found;
}
