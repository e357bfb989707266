// Any bytes as the version file from the download server: what the reader takes has a version of
// one to three parts, a 32-byte digest and a 64-byte signature or none, and written out again reads
// back the same; what it refuses comes with a reason.
#include "fuzzsupport.h"
#include "online/versionfile.h"

using namespace vxfuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const vx::VersionFileRead read = vx::readVersionFile(input);
    FUZZ_CHECK(read.file.has_value() == read.problem.isEmpty());
    if (!read.file)
        return 0;
    FUZZ_CHECK(read.file->version.segmentCount() >= 1 && read.file->version.segmentCount() <= 3);
    FUZZ_CHECK(read.file->updaterSha256.size() == 32);
    FUZZ_CHECK(read.file->updaterSignature.isEmpty() || read.file->updaterSignature.size() == 64);
    FUZZ_CHECK(input.size() <= 3 * 6 + 2 + 64 + 2 + 88 + 2);
    const vx::VersionFileRead again = vx::readVersionFile(vx::versionFileText(*read.file));
    FUZZ_CHECK(again.file && again.file->version == read.file->version
        && again.file->updaterSha256 == read.file->updaterSha256
        && again.file->updaterSignature == read.file->updaterSignature);
    return 0;
}
