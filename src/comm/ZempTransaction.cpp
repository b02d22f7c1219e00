#include "comm/ZempTransaction.h"

#include <algorithm>
#include <cstring>

ZempTransaction::ZempTransaction(ZEMPOpEnum operation, unsigned short addr,
                                 const BYTE *data, int count)
    : op(operation), address(addr)
{
    std::memset(requestData, 0, sizeof requestData);
    std::memset(responseData, 0, sizeof responseData);
    std::memset(frame, 0, sizeof frame);
    if (data && count > 0) {
        // Anything past the buffer could never be framed anyway; the oversized
        // count is kept so that execute refuses the request.
        std::memcpy(requestData, data, size_t(std::min(count, ZEMP_MAX_FRAME)));
        requestCount = count;
    }
}
