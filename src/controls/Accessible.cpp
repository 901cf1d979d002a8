#include "controls/Accessible.h"

#include "controls/Input.h"
#include "platform/Handles.h"

#include <ole2.h>
#include <oleacc.h>

#include <new>
#include <utility>

namespace controls {

namespace {

// Spelled out: with mingw-w64 the library's IID_IAccessible is an import thunk, not the GUID.
constexpr GUID accessibleId{
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

bool isSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// The control's client area: our name, role and default action over the standard object.
class ClientObject final : public IAccessible, public IOleWindow {
public:
    ClientObject(HWND window, platform::ComPointer<IAccessible> standard, std::wstring name,
                 AccessibleRole role)
        : window_(window), standard_(std::move(standard)), name_(std::move(name)), role_(role) {}
    ClientObject(const ClientObject&) = delete;
    ClientObject& operator=(const ClientObject&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (!object)
            return E_POINTER;
        if (id == IID_IUnknown || id == IID_IDispatch || id == accessibleId)
            *object = static_cast<IAccessible*>(this);
        else if (id == IID_IOleWindow)
            *object = static_cast<IOleWindow*>(this);
        else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = InterlockedDecrement(&references_);
        if (left == 0)
            delete this;
        return left;
    }

    // IDispatch: screen readers call the methods directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count)
            return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    // IOleWindow: how a client finds the window of an object.
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        if (!window)
            return E_POINTER;
        *window = window_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IAccessible: our own answers.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!isSelf(child))
            return standard_->get_accName(child, name);
        if (!name)
            return E_POINTER;
        *name = name_.empty() ? nullptr : SysAllocString(name_.c_str());
        return name_.empty() ? S_FALSE : (*name ? S_OK : E_OUTOFMEMORY);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!isSelf(child))
            return standard_->get_accRole(child, role);
        if (!role)
            return E_POINTER;
        static constexpr LONG roles[] = {ROLE_SYSTEM_PUSHBUTTON, ROLE_SYSTEM_LINK,
                                         ROLE_SYSTEM_GRAPHIC};
        VariantInit(role);
        role->vt = VT_I4;
        role->lVal = roles[static_cast<int>(role_)];
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        if (!isSelf(child) || role_ == AccessibleRole::Graphic)
            return standard_->get_accDefaultAction(child, action);
        if (!action)
            return E_POINTER;
        *action = SysAllocString(role_ == AccessibleRole::Link ? L"Jump" : L"Press");
        return *action ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        if (!isSelf(child) || role_ == AccessibleRole::Graphic)
            return standard_->accDoDefaultAction(child);
        // Posted: the command runs from the message loop, not inside the caller's request.
        if (!takesInput(window_) || !PostMessageW(window_, BM_CLICK, 0, 0))
            return E_FAIL;
        return S_OK;
    }

    // IAccessible: the standard object's answers.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        return standard_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return standard_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return standard_->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return standard_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
        return standard_->get_accKeyboardShortcut(child, keys);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return standard_->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        return standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return standard_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    ~ClientObject() = default;

    HWND window_;
    platform::ComPointer<IAccessible> standard_;
    std::wstring name_;
    AccessibleRole role_;
    LONG references_ = 1;
};

} // namespace

bool asksForClient(LPARAM objectId) {
    // The id is a 32-bit value, sign-extended or not in a 64-bit LPARAM.
    return static_cast<DWORD>(objectId) == static_cast<DWORD>(OBJID_CLIENT);
}

LRESULT answerClient(HWND window, WPARAM wParam, const std::wstring& name, AccessibleRole role) {
    // Each reference is held by an owner: a name that cannot be copied leaks nothing.
    platform::ComPointer<IAccessible> standard;
    if (FAILED(CreateStdAccessibleObject(window, OBJID_CLIENT, accessibleId, standard.putVoid())) ||
        !standard)
        return 0;
    const platform::ComPointer<ClientObject> object(
        new (std::nothrow) ClientObject(window, std::move(standard), name, role));
    if (!object)
        return 0;
    // The answer holds its own reference. A failure is a negative HRESULT, not an answer: the
    // system's own object answers then.
    const LRESULT answer =
        LresultFromObject(accessibleId, wParam, static_cast<IAccessible*>(object.get()));
    return answer > 0 ? answer : 0;
}

std::wstring accessibleName(std::wstring_view toolTip) {
    const auto first = toolTip.find_first_not_of(L' ');
    if (first == std::wstring_view::npos)
        return {};
    const auto last = toolTip.find_last_not_of(L". ");
    return last == std::wstring_view::npos || last < first
               ? std::wstring()
               : std::wstring(toolTip.substr(first, last - first + 1));
}

} // namespace controls
