#pragma once

#include <cstdint>

namespace nubo {

// The result codes of the shortcut library, with the values the desktop shell of the
// Windows version gave them, so that callers can compare exactly.
using HRESULT = int32_t;
inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_NOTIMPL = static_cast<HRESULT>(0x80004001u);
inline constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
inline constexpr HRESULT E_OUTOFMEMORY = static_cast<HRESULT>(0x8007000Eu);
inline constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);
inline constexpr HRESULT STG_E_CANTSAVE = static_cast<HRESULT>(0x80030103u);
inline constexpr HRESULT SELFREG_E_CLASS = static_cast<HRESULT>(0x80040201u);

inline constexpr bool Succeeded(HRESULT result) {
    return result >= 0;
}

}  // namespace nubo
