// Owning wrappers for Win32 handles and COM pointers: every handle has one
// owner and is released on every path out of the scope that holds it.
#pragma once

#include <windows.h>

#include <utility>

namespace ui {

template <class H, auto Close>
class Scoped {
public:
    Scoped() = default;
    explicit Scoped(H h) : h_(h) {}
    Scoped(Scoped&& o) noexcept : h_(std::exchange(o.h_, H{})) {}
    Scoped& operator=(Scoped&& o) noexcept {
        if (this != &o) reset(std::exchange(o.h_, H{}));
        return *this;
    }
    Scoped(const Scoped&) = delete;
    Scoped& operator=(const Scoped&) = delete;
    ~Scoped() { reset(); }

    H get() const { return h_; }
    H* out() {  // for functions that hand back a new handle
        reset();
        return &h_;
    }
    H release() { return std::exchange(h_, H{}); }
    void reset(H h = H{}) {
        if (h_) Close(h_);
        h_ = h;
    }
    explicit operator bool() const { return h_ != H{}; }

private:
    H h_{};
};

inline void closeGdi(HGDIOBJ h) { DeleteObject(h); }
inline void closeMenu(HMENU h) { DestroyMenu(h); }
inline void closeIcon(HICON h) { DestroyIcon(h); }
inline void closeKey(HKEY h) { RegCloseKey(h); }

using ScopedFont = Scoped<HFONT, closeGdi>;
using ScopedBitmap = Scoped<HBITMAP, closeGdi>;
using ScopedMenu = Scoped<HMENU, closeMenu>;
using ScopedIcon = Scoped<HICON, closeIcon>;
using ScopedKey = Scoped<HKEY, closeKey>;

template <class T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(ComPtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    ComPtr& operator=(ComPtr&& o) noexcept {
        if (this != &o) {
            reset();
            p_ = std::exchange(o.p_, nullptr);
        }
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr() { reset(); }

    T* get() const { return p_; }
    T* operator->() const { return p_; }
    T** out() {
        reset();
        return &p_;
    }
    void** outVoid() { return reinterpret_cast<void**>(out()); }
    void reset() {
        if (p_) p_->Release();
        p_ = nullptr;
    }
    explicit operator bool() const { return p_ != nullptr; }

private:
    T* p_ = nullptr;
};

// Restores a DC's selected object when the scope ends.
class SelectObjectScope {
public:
    SelectObjectScope(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
    ~SelectObjectScope() { SelectObject(dc_, old_); }
    SelectObjectScope(const SelectObjectScope&) = delete;
    SelectObjectScope& operator=(const SelectObjectScope&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace ui
