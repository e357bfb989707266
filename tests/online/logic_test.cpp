#include "online/historyvalidation.h"
#include "online/testsigner.h"
#include "online/updatesignature.h"
#include "online/versionfile.h"
#include "support/testfolder.h"

#include <gtest/gtest.h>

using namespace vx;
using vx::test::drawRecord;

namespace {
const auto history = [](const std::vector<NumbersRecord> &r) { return vx::test::numbersFileBytes(r, true); };
const std::vector<NumbersRecord> Good = {drawRecord(2024, 1, 6, {1, 2, 3, 4, 5, 60}, {7}),
    drawRecord(2024, 1, 6, {11, 12, 13, 14, 15, 16}, {0, 60}), drawRecord(2024, 2, 3, {60, 9, 8, 7, 6, 5})};
} // namespace

TEST(HistoryValidation, TakesASoundHistoryAndRefusesEachKindOfDamage)
{
    EXPECT_EQ(validateHistory(history(Good), "NXLGame.rtl").count, 3);
    EXPECT_TRUE(validateHistory(vx::test::referenceFile("Weekly.rtl"), "NXLGame.rtl").ok);
    const auto with = [](int index, auto change) {
        std::vector<NumbersRecord> records = Good;
        change(records[size_t(index)]);
        return history(records);
    };
    QByteArray overCount = history(Good);
    overCount[0] = 4;
    QByteArray underCount = history(Good);
    underCount[0] = 0;
    const QList<QByteArray> bad = {QByteArray(), history(Good) + 'x', history(Good).chopped(1), overCount, underCount,
        with(1, [](NumbersRecord &r) { r.day = 5; }), with(2, [](NumbersRecord &r) { r.month = 13; }),
        with(0, [](NumbersRecord &r) { r.main[5] = 61; }), with(0, [](NumbersRecord &r) { r.main[5] = 1; }),
        with(0, [](NumbersRecord &r) { r.main[0] = -3; }), with(1, [](NumbersRecord &r) { r.main[6] = 17; }),
        with(2, [](NumbersRecord &r) { r.main[2] = 0; }), with(2, [](NumbersRecord &r) { r.extra[1] = 61; }),
        history({drawRecord(2024, 1, 1, {1, 2})})};
    for (qsizetype i = 0; i < bad.size(); ++i) {
        const HistoryValidation refused = validateHistory(bad[i], "NXLGame.rtl");
        EXPECT_FALSE(refused.ok || refused.problem.isEmpty()) << i;
        // One sentence naming the file, as the loading of downloaded results and the downloader show it.
        EXPECT_TRUE(refused.problem.startsWith("The file NXLGame.rtl is ") && refused.problem.endsWith('.')
            && refused.problem.count('.') == 2) // the other in the name
            << refused.problem.toStdString();
    }
}

TEST(VersionFile, ReadsTheTwoLinesAndRefusesAnythingElse)
{
    const QByteArray digest = QByteArray(32, '\xab');
    const QByteArray hex = digest.toHex();
    for (const QByteArray &text : {"1.2.3\n" + hex + "\n", "1.2.3\r\n" + hex.toUpper() + "\r\n", "1.2.3\n" + hex}) {
        const VersionFileRead read = readVersionFile(text);
        ASSERT_TRUE(read.file) << text.constData();
        EXPECT_EQ(read.file->version, QVersionNumber(1, 2, 3));
        EXPECT_EQ(read.file->updaterSha256, digest);
        EXPECT_EQ(readVersionFile(versionFileText(*read.file)).file->updaterSha256, digest);
    }
    for (const QByteArray &text : QByteArrayList {QByteArray(), "1.2.3\n", "1.2.3\n" + hex + "\n\n", "1.2.3.4\n" + hex,
             "1..2\n" + hex, "v1\n" + hex, "123456\n" + hex, "1.0\n" + hex.chopped(1), "1.0\n" + hex.chopped(1) + "g",
             " 1.0\n" + hex, "1.0\nx\n" + hex})
        EXPECT_FALSE(readVersionFile(text).file) << text.constData();
}

TEST(VersionFile, AVersionIsNewerOnlyWhenItIsMoreThanTrailingZerosApart)
{
    const struct {
        const char *offered, *current;
        bool newer;
    } cases[] = {
        {"1.0.0", "1.0", false}, // the About box's form of the same version
        {"1.0", "1.0.0", false},
        {"1", "1.0", false},
        {"1.0.0", "1", false},
        {"1.0", "1.0", false},
        {"0.9.9", "1.0", false},
        {"0", "1.0", false},
        {"1.0.1", "1.0", true},
        {"1.1", "1.0.0", true},
        {"2", "1.0", true},
        {"1.10", "1.9", true},
        {"1.9", "1.10", false},
        {"00001.00", "1", false},
    };
    for (const auto &c : cases) {
        const auto version = [](const char *text) { return QVersionNumber::fromString(QString::fromLatin1(text)); };
        EXPECT_EQ(isNewerVersion(version(c.offered), version(c.current)), c.newer)
            << c.offered << " against " << c.current;
    }
}

TEST(VersionFile, ATextOfThreeLinesCarriesTheSignatureInBase64)
{
    const QByteArray hex = QByteArray(32, '\xab').toHex();
    QByteArray signature(64, '\0');
    for (int i = 0; i < 64; ++i)
        signature[i] = char(i * 7 + 3);
    const QByteArray base64 = signature.toBase64();
    ASSERT_EQ(base64.size(), 88);
    for (const QByteArray &text : {"1.2.3\n" + hex + "\n" + base64 + "\n", "1.2.3\r\n" + hex + "\r\n" + base64 + "\r\n",
             "1.2.3\n" + hex + "\n" + base64}) {
        const VersionFileRead read = readVersionFile(text);
        ASSERT_TRUE(read.file) << text.constData();
        EXPECT_EQ(read.file->updaterSignature, signature);
        EXPECT_EQ(versionFileText(*read.file), "1.2.3\n" + hex + "\n" + base64 + "\n");
    }
    EXPECT_TRUE(readVersionFile("1.2.3\n" + hex + "\n").file->updaterSignature.isEmpty()); // none in a two-line file
    const QByteArray other = QByteArray(63, 'x').toBase64();
    for (const QByteArray &text :
        QByteArrayList {"1.2.3\n" + hex + "\n" + other, "1.2.3\n" + hex + "\n" + base64.chopped(2),
            "1.2.3\n" + hex + "\n" + base64.left(87) + "!", "1.2.3\n" + hex + "\n" + base64 + "\nmore",
            "1.2.3\n" + hex + "\n" + base64.toHex(), "1.2.3\n" + hex + "\n" + base64 + " ", "1.2.3\n" + hex + "\n\n"}) {
        const VersionFileRead read = readVersionFile(text);
        EXPECT_FALSE(read.file) << text.constData();
        EXPECT_FALSE(read.problem.isEmpty());
    }
}

// The maker signs the version file's first two lines, as
// `printf '%s\n%s\n' 1.0.2 "$(sha256sum nxupd.exe | cut -c1-64)"` prints them: the program rebuilds
// exactly that text from the version offered and the digest of the updater that arrived.
TEST(VersionFile, TheSignedTextIsTheFirstTwoLinesAsTheMakerPrintsThem)
{
    const QByteArray digest = QByteArray::fromHex("9f86d081884c7d659a2feaa0c55ad015a3bf4f1b2b0b822cd15d6c15b0f00a08");
    EXPECT_EQ(versionFileSignedText(QVersionNumber(1, 0, 2), digest),
        "1.0.2\n9f86d081884c7d659a2feaa0c55ad015a3bf4f1b2b0b822cd15d6c15b0f00a08\n");
    EXPECT_EQ(versionFileSignedText(QVersionNumber(2), digest).left(2), "2\n");
    const VersionFile file {QVersionNumber(1, 0, 2), digest, QByteArray(64, 's')};
    EXPECT_TRUE(versionFileText(file).startsWith(versionFileSignedText(file.version, file.updaterSha256)));
}

// A signature verifies only over exactly the bytes signed and only under the key that signed them.
TEST(UpdaterSignature, VerifiesOnlyTheSignedBytesUnderTheSigningKey)
{
    const vx::test::TestSigner maker, stranger;
    ASSERT_TRUE(maker.ok() && stranger.ok());
    const QByteArray updater = "#!/bin/sh\necho updating\n";
    const QByteArray signature = maker.sign(updater);
    ASSERT_EQ(signature.size(), 64);
    QByteArray flippedUpdater = updater, flippedSignature = signature;
    flippedUpdater[3] = char(flippedUpdater[3] ^ 1);
    flippedSignature[40] = char(flippedSignature[40] ^ 0x80);
    const struct {
        QByteArray updater, signature, key;
        bool verifies;
    } cases[] = {
        {updater, signature, maker.publicKey(), true},
        {QByteArray(), maker.sign(QByteArray()), maker.publicKey(), true},
        {flippedUpdater, signature, maker.publicKey(), false},
        {updater + "x", signature, maker.publicKey(), false},
        {updater.chopped(1), signature, maker.publicKey(), false},
        {updater, flippedSignature, maker.publicKey(), false},
        {updater, stranger.sign(updater), maker.publicKey(), false},
        {updater, signature, stranger.publicKey(), false},
        {updater, QByteArray(), maker.publicKey(), false},
        {updater, signature.chopped(1), maker.publicKey(), false},
        {updater, signature + "x", maker.publicKey(), false},
        {updater, QByteArray(64, '\0'), maker.publicKey(), false},
        {updater, signature, maker.publicKey().chopped(1), false},
        {updater, signature, QByteArray(), false},
    };
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(
            online::updaterSignatureVerifies(cases[i].updater, cases[i].signature, cases[i].key), cases[i].verifies)
            << i;
}

TEST(UpdaterSignature, TheBuiltInKeyIsUsedUnlessATestSetsItsOwn)
{
    const QByteArray builtIn = online::updatePublicKey();
    EXPECT_EQ(builtIn.size(), 32);
    const vx::test::TestSigner maker;
    online::SetUpdatePublicKeyForTesting(maker.publicKey());
    EXPECT_EQ(online::updatePublicKey(), maker.publicKey());
    online::SetUpdatePublicKeyForTesting({});
    EXPECT_EQ(online::updatePublicKey(), builtIn);
    // A signature of the test's key does not verify under the built-in one.
    EXPECT_FALSE(online::updaterSignatureVerifies("x", maker.sign("x"), builtIn));
}
