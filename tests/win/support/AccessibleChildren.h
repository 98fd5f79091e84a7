#pragma once

#include "platform/win/WideString.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <oleacc.h>

#include <string>
#include <vector>

namespace corvalith::test {

// A window's client object as a screen reader asks for it (WM_GETOBJECT through the system's library).
class ClientObject {
public:
    explicit ClientObject(HWND window) {
        EXPECT_EQ(::AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                               __uuidof(IAccessible), reinterpret_cast<void**>(&object_)),
                  S_OK);
    }
    ~ClientObject() {
        if (object_ != nullptr) {
            object_->Release();
        }
    }
    ClientObject(const ClientObject&) = delete;
    ClientObject& operator=(const ClientObject&) = delete;

    IAccessible* operator->() const { return object_; }
    bool Valid() const { return object_ != nullptr; }

    struct Child {
        std::wstring Name;
        long Role = 0;
        std::wstring Value;
        long State = 0;
        friend bool operator==(const Child&, const Child&) = default;
    };

    static VARIANT Id(long id) {
        VARIANT child{};
        child.vt = VT_I4;
        child.lVal = id;
        return child;
    }

    long ChildCount() const {
        long count = -1;
        EXPECT_EQ(object_->get_accChildCount(&count), S_OK);
        return count;
    }

    Child Read(long id) const {
        Child child;
        BSTR text = nullptr;
        if (object_->get_accName(Id(id), &text) == S_OK && text != nullptr) {
            child.Name = text;
        }
        ::SysFreeString(text);
        text = nullptr;
        if (object_->get_accValue(Id(id), &text) == S_OK && text != nullptr) {
            child.Value = text;
        }
        ::SysFreeString(text);
        VARIANT result{};
        if (object_->get_accRole(Id(id), &result) == S_OK && result.vt == VT_I4) {
            child.Role = result.lVal;
        }
        result = VARIANT{};
        if (object_->get_accState(Id(id), &result) == S_OK && result.vt == VT_I4) {
            child.State = result.lVal;
        }
        return child;
    }

    // Children 1 to count.
    std::vector<Child> ReadFirst(long count) const {
        std::vector<Child> children;
        for (long id = 1; id <= count; ++id) {
            children.push_back(Read(id));
        }
        return children;
    }

private:
    IAccessible* object_ = nullptr;
};

inline void PrintTo(const ClientObject::Child& child, std::ostream* out) {
    *out << "{\"" << WideString::ToUtf8(child.Name) << "\", role " << child.Role << ", \""
         << WideString::ToUtf8(child.Value) << "\", state 0x" << std::hex << child.State << std::dec << "}";
}

} // namespace corvalith::test
