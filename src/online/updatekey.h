#pragma once

// The public half of the key pair that signs the updaters (nxupd.exe) the download server offers:
// the 32 raw bytes of an Ed25519 public key, as `openssl pkey -in <private key> -pubout -outform
// DER | tail -c 32` gives them. The private half is never kept in this repository; the README says
// how a release is signed with it and how a new pair replaces this one.
namespace vx::online {

inline constexpr unsigned char UpdatePublicKey[32]
    = {0xbe, 0xbc, 0x17, 0x83, 0x0d, 0x05, 0xdd, 0xec, 0x57, 0xf4, 0xcf, 0xac, 0xe6, 0xf4, 0x2e, 0x78, 0x7a, 0xd6, 0xbd,
        0xff, 0xed, 0x65, 0x1f, 0x04, 0x45, 0xe5, 0xc5, 0x1e, 0x67, 0x91, 0x94, 0x86};

} // namespace vx::online
