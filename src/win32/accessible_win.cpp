#include "win32/accessible_win.h"

#include "ui/accessible_names.h"
#include "win32/late_library.h"
#include "win32/wide.h"
#include "win32/window_base.h"

#include <oleacc.h>

#include <algorithm>
#include <new>
#include <string>
#include <vector>

namespace tw::win {
namespace {

LONG systemRole(AccessibleRole role) {
    switch (role) {
    case AccessibleRole::PushButton: return ROLE_SYSTEM_PUSHBUTTON;
    case AccessibleRole::CheckButton: return ROLE_SYSTEM_CHECKBUTTON;
    case AccessibleRole::Text: return ROLE_SYSTEM_TEXT;
    case AccessibleRole::StaticText: return ROLE_SYSTEM_STATICTEXT;
    case AccessibleRole::Grouping: return ROLE_SYSTEM_GROUPING;
    case AccessibleRole::List: return ROLE_SYSTEM_LIST;
    case AccessibleRole::ProgressBar: return ROLE_SYSTEM_PROGRESSBAR;
    case AccessibleRole::StatusBar: return ROLE_SYSTEM_STATUSBAR;
    }
    return ROLE_SYSTEM_CLIENT;
}

bool isSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// The control's standard object, answering for the control itself with the
// program's name and role; its children (list items, status bar parts) are
// the standard object's own. Wine's standard object gives every control but
// an edit the generic client role and no check state, hence role and state
// here too: on Windows they agree with the standard ones.
class ElementAccessible final : public IAccessible {
public:
    ElementAccessible(HWND hwnd, Element element, IAccessible* standard)
        : hwnd_(hwnd), element_(element), standard_(standard) {
        standard_->AddRef();
    }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** object) override {
        if (object == nullptr) return E_POINTER;
        if (riid == __uuidof(IUnknown) || riid == __uuidof(IDispatch) || riid == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
    STDMETHODIMP_(ULONG) Release() override {
        const LONG left = InterlockedDecrement(&refs_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    // IDispatch: the standard object's type information, bound to this object.
    STDMETHODIMP GetTypeInfoCount(UINT* count) override { return standard_->GetTypeInfoCount(count); }
    STDMETHODIMP GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override {
        return standard_->GetTypeInfo(index, lcid, info);
    }
    STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override {
        return standard_->GetIDsOfNames(riid, names, count, lcid, ids);
    }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* argumentError) override {
        ITypeInfo* info = nullptr;
        HRESULT hr = standard_->GetTypeInfo(0, lcid, &info);
        if (FAILED(hr)) return hr;
        hr = info->Invoke(static_cast<IAccessible*>(this), id, flags, params, result, exception, argumentError);
        info->Release();
        return hr;
    }

    // IAccessible
    STDMETHODIMP get_accName(VARIANT child, BSTR* name) override {
        if (!isSelf(child)) return standard_->get_accName(child, name);
        const std::optional<std::string> words = accessibleName(element_, narrow(windowText(hwnd_)));
        if (!words) return standard_->get_accName(child, name);
        if (name == nullptr) return E_POINTER;
        static const auto allocate = lateFunction<decltype(SysAllocString)>(L"oleaut32.dll", "SysAllocString");
        *name = allocate != nullptr ? allocate(widen(*words).c_str()) : nullptr;
        return *name != nullptr ? S_OK : E_OUTOFMEMORY;
    }
    STDMETHODIMP get_accRole(VARIANT child, VARIANT* role) override {
        if (!isSelf(child)) return standard_->get_accRole(child, role);
        if (role == nullptr) return E_POINTER;
        role->vt = VT_I4;
        role->lVal = systemRole(accessibleRole(element_));
        return S_OK;
    }
    STDMETHODIMP get_accState(VARIANT child, VARIANT* state) override {
        const HRESULT hr = standard_->get_accState(child, state);
        if (FAILED(hr) || !isSelf(child) || state->vt != VT_I4 ||
            accessibleRole(element_) != AccessibleRole::CheckButton)
            return hr;
        const LRESULT check = SendMessageW(hwnd_, BM_GETCHECK, 0, 0);
        if (check == BST_CHECKED) state->lVal |= STATE_SYSTEM_CHECKED;
        if (check == BST_INDETERMINATE) state->lVal |= STATE_SYSTEM_MIXED;
        return hr;
    }
    STDMETHODIMP get_accParent(IDispatch** parent) override { return standard_->get_accParent(parent); }
    STDMETHODIMP get_accChildCount(LONG* count) override { return standard_->get_accChildCount(count); }
    STDMETHODIMP get_accChild(VARIANT child, IDispatch** object) override {
        return standard_->get_accChild(child, object);
    }
    STDMETHODIMP get_accValue(VARIANT child, BSTR* value) override { return standard_->get_accValue(child, value); }
    STDMETHODIMP get_accDescription(VARIANT child, BSTR* text) override {
        return standard_->get_accDescription(child, text);
    }
    STDMETHODIMP get_accHelp(VARIANT child, BSTR* help) override { return standard_->get_accHelp(child, help); }
    STDMETHODIMP get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    STDMETHODIMP get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    STDMETHODIMP get_accFocus(VARIANT* child) override { return standard_->get_accFocus(child); }
    STDMETHODIMP get_accSelection(VARIANT* children) override { return standard_->get_accSelection(children); }
    STDMETHODIMP get_accDefaultAction(VARIANT child, BSTR* action) override {
        return standard_->get_accDefaultAction(child, action);
    }
    STDMETHODIMP accSelect(LONG flags, VARIANT child) override { return standard_->accSelect(flags, child); }
    STDMETHODIMP accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    STDMETHODIMP accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    STDMETHODIMP accHitTest(LONG x, LONG y, VARIANT* child) override { return standard_->accHitTest(x, y, child); }
    STDMETHODIMP accDoDefaultAction(VARIANT child) override { return standard_->accDoDefaultAction(child); }
    STDMETHODIMP put_accName(VARIANT child, BSTR name) override { return standard_->put_accName(child, name); }
    STDMETHODIMP put_accValue(VARIANT child, BSTR value) override { return standard_->put_accValue(child, value); }

private:
    ~ElementAccessible() { standard_->Release(); }

    LONG refs_ = 1;
    HWND hwnd_;
    Element element_;
    IAccessible* standard_;
};

// Which control answers for which element, and the procedure it had. Kept
// here rather than in window properties (SetWindowSubclass keeps them
// there): Wine keeps those in its server, which made every message to every
// control a round trip.
struct Described {
    HWND hwnd;
    WNDPROC original;
    Element element;
};

std::vector<Described>& describedControls() {
    static std::vector<Described> controls;
    return controls;
}

std::vector<Described>::iterator describedEntry(HWND hwnd) {
    auto& controls = describedControls();
    return std::find_if(controls.begin(), controls.end(), [hwnd](const Described& d) { return d.hwnd == hwnd; });
}

LRESULT answerGetObject(HWND hwnd, WPARAM wParam, Element element) {
    // Only a screen reader asks: a start without one never loads oleacc.
    static const auto createStandard =
        lateFunction<decltype(CreateStdAccessibleObject)>(L"oleacc.dll", "CreateStdAccessibleObject");
    static const auto answer = lateFunction<decltype(LresultFromObject)>(L"oleacc.dll", "LresultFromObject");
    IAccessible* standard = nullptr;
    if (createStandard == nullptr || answer == nullptr ||
        FAILED(createStandard(hwnd, OBJID_CLIENT, IID_PPV_ARGS(&standard))))
        return 0;
    auto* object = new (std::nothrow) ElementAccessible(hwnd, element, standard);
    standard->Release();
    if (object == nullptr) return 0;
    const LRESULT result = answer(__uuidof(IAccessible), wParam, object);
    object->Release();
    return result;
}

LRESULT CALLBACK describedControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto it = describedEntry(hwnd);
    // A control is in the table for as long as this is its procedure.
    if (it == describedControls().end()) return DefWindowProcW(hwnd, message, wParam, lParam);
    const Described control = *it;
    if (message == WM_GETOBJECT && static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT))
        if (const LRESULT answered = answerGetObject(hwnd, wParam, control.element)) return answered;
    if (message == WM_NCDESTROY) {
        // The handle may soon name another window.
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(control.original));
        describedControls().erase(it);
    }
    return CallWindowProcW(control.original, hwnd, message, wParam, lParam);
}

}  // namespace

void describeToScreenReaders(HWND control, Element element) {
    if (const auto known = describedEntry(control); known != describedControls().end()) {
        known->element = element;
        return;
    }
    const LONG_PTR original =
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(describedControlProc));
    if (original != 0) describedControls().push_back({control, reinterpret_cast<WNDPROC>(original), element});
}

}  // namespace tw::win
