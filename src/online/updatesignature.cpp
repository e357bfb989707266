#include "online/updatesignature.h"

#include "online/updatekey.h"

#include <memory>
#include <openssl/evp.h>

namespace vx::online {

namespace {
QByteArray &testKey()
{
    static QByteArray key;
    return key;
}

struct PkeyFree {
    void operator()(EVP_PKEY *key) const { EVP_PKEY_free(key); }
};
struct MdCtxFree {
    void operator()(EVP_MD_CTX *context) const { EVP_MD_CTX_free(context); }
};
} // namespace

QByteArray updatePublicKey()
{
    if (!testKey().isEmpty())
        return testKey();
    return QByteArray(reinterpret_cast<const char *>(UpdatePublicKey), sizeof UpdatePublicKey);
}

void SetUpdatePublicKeyForTesting(const QByteArray &publicKey)
{
    testKey() = publicKey;
}

bool updaterSignatureVerifies(const QByteArray &message, const QByteArray &signature, const QByteArray &publicKey)
{
    if (signature.size() != 64 || publicKey.size() != 32)
        return false;
    const std::unique_ptr<EVP_PKEY, PkeyFree> key(EVP_PKEY_new_raw_public_key(EVP_PKEY_ED25519, nullptr,
        reinterpret_cast<const unsigned char *>(publicKey.constData()), size_t(publicKey.size())));
    const std::unique_ptr<EVP_MD_CTX, MdCtxFree> context(EVP_MD_CTX_new());
    if (!key || !context || EVP_DigestVerifyInit(context.get(), nullptr, nullptr, nullptr, key.get()) != 1)
        return false;
    // Ed25519 signs the message itself, in one go: no digest is given and no update steps are taken.
    return EVP_DigestVerify(context.get(), reinterpret_cast<const unsigned char *>(signature.constData()),
               size_t(signature.size()), reinterpret_cast<const unsigned char *>(message.constData()),
               size_t(message.size()))
        == 1;
}

} // namespace vx::online
