#pragma once

#include <QByteArray>
#include <openssl/evp.h>

namespace vx::test {

// An Ed25519 key pair of the test's own, made through libcrypto, that signs as the program's maker
// signs an updater.
class TestSigner
{
public:
    TestSigner()
    {
        EVP_PKEY_CTX *context = EVP_PKEY_CTX_new_id(EVP_PKEY_ED25519, nullptr);
        if (context && EVP_PKEY_keygen_init(context) == 1)
            EVP_PKEY_keygen(context, &m_key);
        EVP_PKEY_CTX_free(context);
    }
    ~TestSigner() { EVP_PKEY_free(m_key); }
    TestSigner(const TestSigner &) = delete;
    TestSigner &operator=(const TestSigner &) = delete;

    bool ok() const { return m_key != nullptr; }
    QByteArray publicKey() const // the 32 raw bytes
    {
        QByteArray key(32, '\0');
        size_t size = size_t(key.size());
        if (!m_key || EVP_PKEY_get_raw_public_key(m_key, reinterpret_cast<unsigned char *>(key.data()), &size) != 1)
            return QByteArray();
        return key.left(qsizetype(size));
    }
    QByteArray sign(const QByteArray &message) const // the 64 bytes of the signature
    {
        QByteArray signature(64, '\0');
        size_t size = size_t(signature.size());
        EVP_MD_CTX *context = EVP_MD_CTX_new();
        const bool signedOk = context && EVP_DigestSignInit(context, nullptr, nullptr, nullptr, m_key) == 1
            && EVP_DigestSign(context, reinterpret_cast<unsigned char *>(signature.data()), &size,
                   reinterpret_cast<const unsigned char *>(message.constData()), size_t(message.size()))
                == 1;
        EVP_MD_CTX_free(context);
        return signedOk ? signature.left(qsizetype(size)) : QByteArray();
    }

private:
    EVP_PKEY *m_key = nullptr;
};

} // namespace vx::test
