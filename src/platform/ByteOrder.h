// Little-endian words and double words inside raw record blocks, as the files store them.
#pragma once

#include "platform/Types.h"

namespace tembra {

inline void PutWord(BYTE* out, WORD v) {
    out[0] = static_cast<BYTE>(v & 0xFF);
    out[1] = static_cast<BYTE>(v >> 8);
}

inline void PutDword(BYTE* out, DWORD v) {
    PutWord(out, LOWORD(v));
    PutWord(out + 2, HIWORD(v));
}

inline WORD GetWord(const BYTE* in) {
    return static_cast<WORD>(in[0] | (in[1] << 8));
}

inline DWORD GetDword(const BYTE* in) {
    return MAKELONG(GetWord(in), GetWord(in + 2));
}

} // namespace tembra
