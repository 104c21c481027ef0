// Makes the pattern databases of sliding games of side 4 at build time, so that the game ships
// them and no player waits seconds for them at the first Solve:
//   loeser_muster_macher TAFELN.bin TAFELN.cpp
// writes the tables of MusterTeile one after another, and a source file that links them into
// the engine. Their checksum in that source makes any change to the tables a change of the
// source, so no compiler cache hands out an object with old tables.

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <vector>

#include "engine/loeser_muster.h"

using namespace engine::loeser;

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s TAFELN.bin TAFELN.cpp\n", argv[0]);
        return 2;
    }
    std::vector<uint8_t> alle;
    for (const Musterteile& teile : MusterTeile) {
        std::vector<int> heime;
        for (int t : teile)
            if (t != 0)
                heime.push_back(t - 1);
        const auto db = Musterdatenbank::Bauen(heime, {});
        alle.insert(alle.end(), db->Werte(), db->Werte() + Musterdatenbank::Platzierungen(db->Teile()));
    }
    uint64_t summe = 0xcbf29ce484222325u;  // FNV-1a
    for (uint8_t b : alle)
        summe = (summe ^ b) * 0x100000001b3u;

    std::ofstream bin(argv[1], std::ios::binary);
    bin.write(reinterpret_cast<const char*>(alle.data()), std::streamsize(alle.size()));
    std::ofstream cpp(argv[2]);
    cpp << "// Made by loeser_muster_macher: the pattern databases of sliding games of side 4.\n"
           "#include \"engine/loeser_muster.h\"\n\n"
           "asm(\".section .rodata\\n\"\n"
           "    \".balign 64\\n\"\n"
           "    \"tavelor_mustertafeln:\\n\"\n"
           "    \".incbin \\\"" << argv[1] << "\\\"\\n\"\n"
           "    \".previous\\n\");\n\n"
           "extern \"C\" const uint8_t tavelor_mustertafeln[];\n\n"
           "namespace engine::loeser {\n"
           "// " << alle.size() << " bytes, checksum " << std::hex << summe << "\n"
           "[[maybe_unused]] static constexpr uint64_t Pruefsumme = 0x" << summe << "u;\n"
           "const uint8_t* MustertafelnDaten() { return tavelor_mustertafeln; }\n"
           "} // namespace engine::loeser\n";
    bin.close();
    cpp.close();
    return bin && cpp ? 0 : 1;
}
