// "4a.dat" and "4b.dat": the mirror and lens scenes. A file that reads is
// also generated from, so that no scene makes the generator hang or crash.
#include "fuzz/FuzzCheck.h"

#include "optics/OpticsGenerator.h"
#include "optics/OpticsSceneFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orbeta;
    const QByteArray bytes = fuzz::bytesOf(data, size);
    double x = 0.5;
    // A fixed walk through [0, 1): the generator's draws without a seeded source.
    const OpticsRnd rnd = [&x] {
        x = x * 3.7 * (1 - x);
        return x;
    };
    if (const auto mirrors = OpticsSceneFile::ReadMirrorScenes(bytes, QStringLiteral("4a.dat"))) {
        OpticsGenerator generator(mirrors.value());
        generator.GenerateExample(rnd);
        generator.GenerateExample(rnd);
    }
    if (const auto lenses = OpticsSceneFile::ReadLensScenes(bytes, QStringLiteral("4b.dat"))) {
        OpticsGenerator generator(lenses.value());
        generator.GenerateExample(rnd);
        generator.GenerateExample(rnd);
    }
    return 0;
}
