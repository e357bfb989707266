#pragma once

#include <QByteArray>

// The check that an updater comes from the program's maker: an Ed25519 signature over what the maker
// signed (the version file's first two lines, which name the version and the updater's digest),
// verified with a public key built into the program (OpenSSL's libcrypto does the arithmetic).
namespace vx::online {

// The 32 bytes of the public key updaters are checked against: the built-in one, or the one a
// test has set.
QByteArray updatePublicKey();
// Test seam: checks updaters against another public key (a test's own pair); empty undoes it.
void SetUpdatePublicKeyForTesting(const QByteArray &publicKey);

// True only when signature is a valid Ed25519 signature of the whole of message under publicKey
// (32 bytes); a signature or key of any other length never verifies.
bool updaterSignatureVerifies(const QByteArray &message, const QByteArray &signature, const QByteArray &publicKey);

} // namespace vx::online
