// "Mapa1.dat": the four roads of the travelling task.
#include "fuzz/FuzzCheck.h"

#include "calc/MapFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orbeta;
    ReadMapFile(fuzz::bytesOf(data, size), QStringLiteral("Mapa1.dat"));
    return 0;
}
