// Synthesises the game's five sounds and writes them as WAV files (16-bit PCM, mono, 22050 Hz)
// into the directory given as the only argument. Every sound is made from noise and decaying
// sine partials with a fixed seed, so a build always produces the same files.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int SampleRate = 22050;
constexpr double Pi = std::numbers::pi;

using Samples = std::vector<double>;

// A small deterministic noise source; the standard distributions differ between libraries.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed) {}
    // Uniform in [-1, 1).
    double next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<double>(state_) / 2147483648.0 - 1.0;
    }
    // Uniform in [low, high).
    double between(double low, double high) { return low + (next() + 1.0) / 2.0 * (high - low); }

private:
    std::uint32_t state_;
};

int ToSamples(double seconds) {
    return static_cast<int>(std::lround(seconds * SampleRate));
}

// First-order filters, enough to shape noise into snaps and thuds.
class LowPass {
public:
    explicit LowPass(double cutoff) : a_(1.0 - std::exp(-2.0 * Pi * cutoff / SampleRate)) {}
    double operator()(double x) { return y_ += a_ * (x - y_); }

private:
    double a_;
    double y_ = 0.0;
};

class HighPass {
public:
    explicit HighPass(double cutoff) : low_(cutoff) {}
    double operator()(double x) { return x - low_(x); }

private:
    LowPass low_;
};

// A burst of filtered noise with an instant attack and an exponential decay, mixed into `out`.
void AddNoiseBurst(Samples& out, double start, double length, double decay, double low, double high,
                   double gain, Noise& noise) {
    HighPass highPass(low);
    LowPass lowPass(high);
    const int first = ToSamples(start);
    const int count = ToSamples(length);
    for (int n = 0; n < count && first + n < static_cast<int>(out.size()); ++n) {
        const double t = static_cast<double>(n) / SampleRate;
        const double attack = std::min(1.0, n / 12.0);
        out[first + n] += gain * attack * std::exp(-t / decay) * lowPass(highPass(noise.next()));
    }
}

// A sine partial with a short attack and an exponential decay, mixed into `out`.
void AddPartial(Samples& out, double start, double frequency, double decay, double gain,
                double attackSeconds = 0.002) {
    const int first = ToSamples(start);
    const int attack = std::max(1, ToSamples(attackSeconds));
    for (int n = 0; first + n < static_cast<int>(out.size()); ++n) {
        const double t = static_cast<double>(n) / SampleRate;
        const double envelope =
            std::min(1.0, static_cast<double>(n) / attack) * std::exp(-t / decay);
        if (envelope < 1e-5 && n > attack) break;
        out[first + n] += gain * envelope * std::sin(2.0 * Pi * frequency * t);
    }
}

// Scales to the given peak and fades the last few milliseconds so that no sound ends in a click.
void Finish(Samples& samples, double peak) {
    double largest = 0.0;
    for (double s : samples) largest = std::max(largest, std::abs(s));
    const double scale = largest > 0.0 ? peak / largest : 0.0;
    const int fade = std::min(static_cast<int>(samples.size()), ToSamples(0.01));
    for (std::size_t n = 0; n < samples.size(); ++n) {
        samples[n] *= scale;
        const auto fromEnd = static_cast<int>(samples.size() - n);
        if (fromEnd <= fade) samples[n] *= static_cast<double>(fromEnd - 1) / fade;
    }
}

// A card landing on the cloth: a bright flick with a little body under it.
Samples CardDeal() {
    Samples out(ToSamples(0.12), 0.0);
    Noise noise(0x5eed0001u);
    AddNoiseBurst(out, 0.0, 0.012, 0.004, 1500.0, 7000.0, 0.6, noise);
    AddNoiseBurst(out, 0.006, 0.09, 0.018, 300.0, 2500.0, 1.0, noise);
    AddPartial(out, 0.006, 170.0, 0.02, 0.25);
    Finish(out, 0.35);
    return out;
}

// Cards laid down together: two soft slaps a moment apart, mostly low.
Samples CardDown() {
    Samples out(ToSamples(0.25), 0.0);
    Noise noise(0x5eed0002u);
    for (double start : {0.0, 0.028}) {
        AddNoiseBurst(out, start, 0.15, 0.03, 80.0, 1200.0, 1.0, noise);
        AddNoiseBurst(out, start, 0.01, 0.003, 1000.0, 5000.0, 0.3, noise);
        AddPartial(out, start, 110.0, 0.045, 0.5);
        AddPartial(out, start, 190.0, 0.025, 0.25);
    }
    Finish(out, 0.4);
    return out;
}

// A riffle shuffle: a run of quick clicks that speeds up, then slows and ends in a soft settle.
Samples Riffle() {
    Samples out(ToSamples(1.05), 0.0);
    Noise noise(0x5eed0003u);
    double t = 0.02;
    const double end = 0.85;
    while (t < end) {
        const double phase = t / end;
        const double gap = 0.012 + 0.03 * std::pow(2.0 * phase - 1.0, 2.0);
        const double gain = noise.between(0.45, 1.0) * (0.6 + 0.4 * std::sin(Pi * phase));
        AddNoiseBurst(out, t, 0.012, 0.0022, 1800.0, 8000.0, gain, noise);
        AddNoiseBurst(out, t, 0.02, 0.005, 400.0, 2000.0, 0.3 * gain, noise);
        t += gap * noise.between(0.75, 1.25);
    }
    AddNoiseBurst(out, end + 0.03, 0.16, 0.04, 100.0, 1500.0, 1.3, noise);
    AddPartial(out, end + 0.03, 130.0, 0.04, 0.4);
    Finish(out, 0.35);
    return out;
}

// Two knocks of a knuckle on a wooden table.
Samples Knock() {
    Samples out(ToSamples(0.5), 0.0);
    Noise noise(0x5eed0004u);
    for (double start : {0.0, 0.2}) {
        AddNoiseBurst(out, start, 0.01, 0.0025, 600.0, 5000.0, 0.5, noise);
        // Wood rings at a few inharmonic modes that die away quickly.
        AddPartial(out, start, 210.0, 0.035, 1.0, 0.001);
        AddPartial(out, start, 485.0, 0.022, 0.6, 0.001);
        AddPartial(out, start, 790.0, 0.012, 0.35, 0.001);
        AddPartial(out, start, 1330.0, 0.006, 0.2, 0.001);
    }
    Finish(out, 0.5);
    return out;
}

// A short bright two-note chime as a notice opens.
Samples Ringout() {
    Samples out(ToSamples(0.9), 0.0);
    struct Note {
        double start;
        double frequency;
    };
    for (const Note note : {Note{0.0, 1318.5}, Note{0.11, 1760.0}}) {
        AddPartial(out, note.start, note.frequency, 0.28, 1.0, 0.004);
        AddPartial(out, note.start, note.frequency * 2.0, 0.12, 0.25, 0.004);
        AddPartial(out, note.start, note.frequency * 3.0, 0.06, 0.08, 0.004);
    }
    Finish(out, 0.3);
    return out;
}

void PutLittleEndian(std::string& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
}

bool WriteWave(const std::string& path, const Samples& samples) {
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * 2);
    std::string bytes = "RIFF";
    PutLittleEndian(bytes, 36 + dataSize, 4);
    bytes += "WAVEfmt ";
    PutLittleEndian(bytes, 16, 4);
    PutLittleEndian(bytes, 1, 2);  // PCM
    PutLittleEndian(bytes, 1, 2);  // mono
    PutLittleEndian(bytes, SampleRate, 4);
    PutLittleEndian(bytes, SampleRate * 2, 4);
    PutLittleEndian(bytes, 2, 2);
    PutLittleEndian(bytes, 16, 2);
    bytes += "data";
    PutLittleEndian(bytes, dataSize, 4);
    for (double s : samples) {
        const auto value = static_cast<std::int16_t>(std::lround(std::clamp(s, -1.0, 1.0) * 32767));
        PutLittleEndian(bytes, static_cast<std::uint16_t>(value), 2);
    }
    std::ofstream file(path, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIRECTORY\n", argv[0]);
        return 2;
    }
    const std::string directory = argv[1];
    const struct {
        const char* name;
        Samples (*make)();
    } sounds[] = {
        {"carddeal1.wav", CardDeal}, {"carddown.wav", CardDown}, {"riffle.wav", Riffle},
        {"knock.wav", Knock},        {"ringout.wav", Ringout},
    };
    for (const auto& sound : sounds) {
        const std::string path = directory + "/" + sound.name;
        if (!WriteWave(path, sound.make())) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
