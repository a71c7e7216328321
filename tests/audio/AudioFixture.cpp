#include "AudioFixture.h"

#include <SDL_mixer.h>

#include <cstdint>
#include <cstdlib>


using namespace qv;

namespace {

void PutLittleEndian(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

void WriteSilentWav(const TempDir& dir, const std::string& relative, int milliseconds) {
    const uint32_t rate = 22050;
    const uint32_t dataBytes = rate * 2 * static_cast<uint32_t>(milliseconds) / 1000;
    std::string wav = "RIFF";
    PutLittleEndian(wav, 36 + dataBytes, 4);
    wav += "WAVEfmt ";
    PutLittleEndian(wav, 16, 4);        // format chunk size
    PutLittleEndian(wav, 1, 2);         // PCM
    PutLittleEndian(wav, 1, 2);         // mono
    PutLittleEndian(wav, rate, 4);
    PutLittleEndian(wav, rate * 2, 4);  // bytes per second
    PutLittleEndian(wav, 2, 2);         // block align
    PutLittleEndian(wav, 16, 2);        // bits per sample
    wav += "data";
    PutLittleEndian(wav, dataBytes, 4);
    wav.append(dataBytes, '\0');
    dir.Write(relative, wav);
}

void AudioTest::SetUp() {
    // Never a real sound card, even when the runner forgot to say so.
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    audio.device = MixerDevice::Open();
    ASSERT_TRUE(audio.device) << Mix_GetError();
    settings.musicVolume = 64;
    settings.soundVolume = 128;
}

void AudioTest::TearDown() { audio.Shutdown(); }

std::vector<std::string> AudioTest::BoxTexts() const {
    std::vector<std::string> texts;
    for (const ErrorRecorder::Box& box : recorder.boxes) {
        EXPECT_EQ(box.title, "Error");
        texts.push_back(box.text);
    }
    return texts;
}
