// Sole owners of the handles the system and the host layer hold: each frees its handle once,
// with the platform's own call, when it goes. PutVoid hands an owner to a call that returns a
// new reference through a void** (CoCreateInstance), so no raw pointer is ever held apart.
#pragma once

#include <memory>
#include <type_traits>

#include "platform/win32.h"

struct BstrFreer {
    void operator()(OLECHAR* text) const { SysFreeString(text); }
};
using UniqueBstr = std::unique_ptr<std::remove_pointer_t<BSTR>, BstrFreer>;

struct InterfaceReleaser {
    void operator()(IUnknown* object) const { object->Release(); }
};
template <typename Interface>
using UniqueInterface = std::unique_ptr<Interface, InterfaceReleaser>;

struct LibraryFreer {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};
using UniqueLibrary = std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryFreer>;

// A search handle of FindFirstFileA; INVALID_HANDLE_VALUE and null both mean none.
class UniqueFindHandle {
  public:
    UniqueFindHandle() = default;
    explicit UniqueFindHandle(HANDLE handle) : handle_(handle) {}
    ~UniqueFindHandle() { reset(); }
    UniqueFindHandle(UniqueFindHandle&& other) noexcept : handle_(other.release()) {}
    UniqueFindHandle& operator=(UniqueFindHandle&& other) noexcept {
        reset(other.release());
        return *this;
    }
    UniqueFindHandle(const UniqueFindHandle&) = delete;
    UniqueFindHandle& operator=(const UniqueFindHandle&) = delete;

    HANDLE get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
    HANDLE release() {
        const HANDLE handle = handle_;
        handle_ = nullptr;
        return handle;
    }
    void reset(HANDLE handle = nullptr) {
        if (*this) {
            FindClose(handle_);
        }
        handle_ = handle;
    }

  private:
    HANDLE handle_ = nullptr;
};

// PutVoid(owner) is a void** for one call; when the full expression ends, the owner holds
// what the call wrote there (null stays empty). Whatever the owner held before is freed first.
template <typename Owner>
class OutPointer {
  public:
    explicit OutPointer(Owner& owner) : owner_(owner) { owner_.reset(); }
    ~OutPointer() { owner_.reset(static_cast<typename Owner::pointer>(written_)); }
    OutPointer(const OutPointer&) = delete;
    OutPointer& operator=(const OutPointer&) = delete;

    operator void**() { return &written_; }

  private:
    Owner& owner_;
    void* written_ = nullptr;
};

template <typename Owner>
OutPointer<Owner> PutVoid(Owner& owner) {
    return OutPointer<Owner>(owner);
}
