#include "lead_bytes.h"

LeadBytes LeadBytesOf(UINT codePage) {
    LeadBytes lead = SingleByteCharacters();
    for (int byte = 0x80; byte < 0x100; ++byte) lead[static_cast<size_t>(byte)] = IsDBCSLeadByteEx(codePage, static_cast<BYTE>(byte)) != FALSE;
    return lead;
}
