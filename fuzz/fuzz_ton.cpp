// A sound file held in memory: any bytes. What reads as a sound is whole frames of samples,
// taken from the file, so never more than the file holds.

#include "eingabe.h"

#include "daten/ton.h"

using namespace daten;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const QByteArray datei(reinterpret_cast<const char*>(daten), qsizetype(groesse));
    const std::optional<Wavedaten> ton = LeseWave(datei);
    if (!ton)
        return 0;
    const int frame = ton->format.BytesProFrame();
    PRUEFE(ton->format.kanaele >= 1 && ton->format.rate >= 1 && frame >= 1);
    PRUEFE(ton->pcm.size() % frame == 0);
    PRUEFE(ton->pcm.size() <= datei.size());
    return 0;
}
