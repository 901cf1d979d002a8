#pragma once
// Owners for the system's handles and COM objects: each frees its handle exactly once, when
// it goes away or takes another, and moves but never copies. Scoped helpers give back a
// borrowed device context, restore what a selection replaced and unlock a locked block.
#include <windows.h>

#include <shellapi.h>

#include <utility>

namespace platform {

template <typename Handle, typename Traits> class Owned {
public:
    Owned() = default;
    explicit Owned(Handle handle) : handle_(handle) {}
    ~Owned() { reset(); }
    Owned(Owned&& other) noexcept : handle_(other.release()) {}
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;

    Handle get() const { return handle_; }
    explicit operator bool() const { return Traits::valid(handle_); }
    // Frees the handle held, if any, and holds the new one.
    void reset(Handle handle = Traits::empty()) {
        if (Traits::valid(handle_) && handle_ != handle)
            Traits::free(handle_);
        handle_ = handle;
    }
    // Lets go of the handle without freeing it.
    Handle release() { return std::exchange(handle_, Traits::empty()); }

private:
    Handle handle_ = Traits::empty();
};

namespace traits {
// Most handles are null when there is none.
template <typename Handle> struct NullWhenNone {
    static Handle empty() { return nullptr; }
    static bool valid(Handle handle) { return handle != nullptr; }
};
template <typename Handle> struct GdiObject : NullWhenNone<Handle> {
    static void free(Handle handle) { DeleteObject(handle); }
};
struct Icon : NullWhenNone<HICON> {
    static void free(HICON icon) { DestroyIcon(icon); }
};
// A device context made by the program, not borrowed from a window.
struct MadeDC : NullWhenNone<HDC> {
    static void free(HDC dc) { DeleteDC(dc); }
};
struct Accelerators : NullWhenNone<HACCEL> {
    static void free(HACCEL table) { DestroyAcceleratorTable(table); }
};
struct GlobalMemory : NullWhenNone<HGLOBAL> {
    static void free(HGLOBAL block) { GlobalFree(block); }
};
// A menu takes its popups with it.
struct Menu : NullWhenNone<HMENU> {
    static void free(HMENU menu) { DestroyMenu(menu); }
};
struct Drop : NullWhenNone<HDROP> {
    static void free(HDROP drop) { DragFinish(drop); }
};
// Kernel calls answer failure with null or with INVALID_HANDLE_VALUE, depending on the call.
struct Kernel {
    static HANDLE empty() { return nullptr; }
    static bool valid(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
    static void free(HANDLE handle) { CloseHandle(handle); }
};
} // namespace traits

using Font = Owned<HFONT, traits::GdiObject<HFONT>>;
using Brush = Owned<HBRUSH, traits::GdiObject<HBRUSH>>;
using Icon = Owned<HICON, traits::Icon>;
using AcceleratorTable = Owned<HACCEL, traits::Accelerators>;
using MemoryDC = Owned<HDC, traits::MadeDC>;
using KernelHandle = Owned<HANDLE, traits::Kernel>;
using GlobalBlock = Owned<HGLOBAL, traits::GlobalMemory>;
using Menu = Owned<HMENU, traits::Menu>;
using Drop = Owned<HDROP, traits::Drop>;

// A COM interface pointer that holds one reference and gives it back once.
template <typename Interface> class ComPointer {
public:
    ComPointer() = default;
    // Takes over a reference the caller already holds.
    explicit ComPointer(Interface* object) : object_(object) {}
    ~ComPointer() { reset(); }
    ComPointer(ComPointer&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    ComPointer& operator=(ComPointer&& other) noexcept {
        if (this != &other)
            reset(std::exchange(other.object_, nullptr));
        return *this;
    }
    ComPointer(const ComPointer&) = delete;
    ComPointer& operator=(const ComPointer&) = delete;

    Interface* get() const { return object_; }
    Interface* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }
    // For calls that hand out a new reference: gives back the one held, then the slot.
    Interface** put() {
        reset();
        return &object_;
    }
    void** putVoid() { return reinterpret_cast<void**>(put()); }
    void reset(Interface* object = nullptr) {
        if (object_ && object_ != object)
            object_->Release();
        object_ = object;
    }
    // Hands the reference to the caller.
    Interface* release() { return std::exchange(object_, nullptr); }

private:
    Interface* object_ = nullptr;
};

// A window's device context, borrowed for a scope (null: the screen's).
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// An object selected into a device context for a scope; the one it replaced comes back.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), old_(dc ? SelectObject(dc, object) : nullptr) {}
    ~Selection() {
        if (old_)
            SelectObject(dc_, old_);
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// The memory of a movable block, locked for a scope; the block itself is only borrowed.
class LockedBlock {
public:
    explicit LockedBlock(HGLOBAL block)
        : block_(block), data_(block ? GlobalLock(block) : nullptr) {}
    ~LockedBlock() {
        if (data_)
            GlobalUnlock(block_);
    }
    LockedBlock(const LockedBlock&) = delete;
    LockedBlock& operator=(const LockedBlock&) = delete;

    explicit operator bool() const { return data_ != nullptr; }
    void* data() const { return data_; }
    // The block's size in bytes, which may be more than was asked for; 0 when not locked.
    SIZE_T size() const { return data_ ? GlobalSize(block_) : 0; }

private:
    HGLOBAL block_;
    void* data_;
};

} // namespace platform
