#pragma once

// Operation of a ZEMP request frame. Bit 7 of a request's length byte is set
// for a write and clear for a read.
enum ZEMPOpEnum {
    ZEMP_READ = 0,
    ZEMP_WRITE = 1
};

typedef unsigned char BYTE;

// Status of a transaction: 0 is success, 1 to 127 a device error code taken
// unchanged from an error response, and the two transport failures below.
constexpr int ZEMP_SUCCESS = 0;
constexpr int ZEMP_ERR_TIMEOUT = 128;  // 0x80: no complete response in time
constexpr int ZEMP_ERR_CHECKSUM = 129; // 0x81: bad checksum or malformed reply
// A request that cannot be framed (payload too long) is never sent.
constexpr int ZEMP_ERR_REQUEST = -1;

// Device error code that the device checks read as a missing or failed device.
constexpr int ZEMP_DEVERR_MISSING = 66;

// Frame sizes: a 7-bit length byte counts the address, data and checksum.
constexpr int ZEMP_MAX_FRAME = 128;
constexpr int ZEMP_MAX_DATA = ZEMP_MAX_FRAME - 4;       // 124
constexpr int ZEMP_MAX_TUNNEL_DATA = ZEMP_MAX_DATA - 4; // 120, inner frame adds 4
constexpr int ZEMP_RECEIVE_BUFFER = 259;
