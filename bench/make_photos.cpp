// make_photos DIR COUNT WIDTH HEIGHT
//
// Writes COUNT baseline JPEG files (quality 90) of WIDTH x HEIGHT into DIR,
// named photo-0001.jpg and on, each with a texture that compresses and
// decodes like a camera photo: gradients, detail at many scales, grain and
// sharp edges. The same arguments always give the same pixels. Files already
// there are kept, so a folder is made once and reused.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPainter>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

namespace {

std::uint64_t mix(std::uint64_t x) {
    x += 0x9e3779b97f4a7c15ull;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
    return x ^ (x >> 31);
}

// A deterministic stream of numbers in [0, 1).
class Random {
  public:
    explicit Random(std::uint64_t seed) : state_(mix(seed)) {}
    double next() { return double(mix(state_++) >> 11) / double(1ull << 53); }
    double between(double low, double high) { return low + (high - low) * next(); }

  private:
    std::uint64_t state_;
};

// Value noise on a lattice of one cell size, sampled with smoothstep weights.
class NoiseLayer {
  public:
    NoiseLayer(int width, int height, int cell, std::uint64_t seed) : cell_(cell) {
        columns_ = width / cell + 2;
        const int rows = height / cell + 2;
        values_.resize(std::size_t(columns_) * rows);
        for (std::size_t i = 0; i < values_.size(); ++i)
            values_[i] = float(double(mix(seed * 1000003 + i) >> 11) / double(1ull << 52) - 1.0);
        for (int x = 0; x < width; ++x) {
            column_.push_back(x / cell);
            weightX_.push_back(smooth(float(x % cell) / float(cell)));
        }
    }

    // Fills row with this layer's values at line y, scaled by amplitude and added.
    void addRow(int y, float amplitude, std::vector<float>& row) const {
        const float* top = &values_[std::size_t(y / cell_) * columns_];
        const float* bottom = top + columns_;
        const float wy = smooth(float(y % cell_) / float(cell_));
        for (std::size_t x = 0; x < row.size(); ++x) {
            const int c = column_[x];
            const float wx = weightX_[x];
            const float upper = top[c] + (top[c + 1] - top[c]) * wx;
            const float lower = bottom[c] + (bottom[c + 1] - bottom[c]) * wx;
            row[x] += amplitude * (upper + (lower - upper) * wy);
        }
    }

  private:
    static float smooth(float t) { return t * t * (3.0f - 2.0f * t); }

    int cell_;
    int columns_ = 0;
    std::vector<float> values_;
    std::vector<int> column_;
    std::vector<float> weightX_;
};

struct Layer {
    NoiseLayer noise;
    float amplitude;
};

std::vector<Layer> layers(int width, int height, std::uint64_t seed, int largestCell, int smallestCell) {
    std::vector<Layer> result;
    float amplitude = 1.0f;
    for (int cell = largestCell; cell >= smallestCell; cell /= 2, amplitude *= 0.62f)
        result.push_back({NoiseLayer(width, height, cell, seed + std::uint64_t(cell)), amplitude});
    return result;
}

int clampByte(float v) {
    return std::clamp(int(std::lround(v)), 0, 255);
}

QImage texture(int width, int height, std::uint64_t seed) {
    Random random(seed);
    const float sky[3] = {float(random.between(90, 200)), float(random.between(120, 210)),
                          float(random.between(160, 240))};
    const float ground[3] = {float(random.between(40, 140)), float(random.between(50, 130)),
                             float(random.between(20, 100))};
    const float horizon = float(random.between(0.3, 0.6));
    const auto detail = layers(width, height, seed * 7 + 1, 1024, 4);
    const auto tint = layers(width, height, seed * 7 + 2, 512, 128);

    QImage image(width, height, QImage::Format_RGB32);
    std::vector<float> luminance(width), colour(width);
    for (int y = 0; y < height; ++y) {
        std::fill(luminance.begin(), luminance.end(), 0.0f);
        std::fill(colour.begin(), colour.end(), 0.0f);
        for (const Layer& layer : detail)
            layer.noise.addRow(y, layer.amplitude, luminance);
        for (const Layer& layer : tint)
            layer.noise.addRow(y, layer.amplitude, colour);
        const float t = float(y) / float(height);
        const float g = std::clamp((t - horizon) * 6.0f + 0.5f, 0.0f, 1.0f);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const float grain =
                float(mix(seed ^ (std::uint64_t(y) << 32 | std::uint64_t(x))) & 0xff) / 255.0f - 0.5f;
            const float l = 60.0f * luminance[x] + 20.0f * grain;
            const float c = 30.0f * colour[x];
            line[x] = qRgb(clampByte(sky[0] + (ground[0] - sky[0]) * g + l + c),
                           clampByte(sky[1] + (ground[1] - sky[1]) * g + l),
                           clampByte(sky[2] + (ground[2] - sky[2]) * g + l - c));
        }
    }

    // Objects with sharp outlines, half see-through so the texture shows inside them.
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const double size = std::min(width, height);
    for (int i = 0; i < 30; ++i) {
        painter.setBrush(QColor(int(random.between(0, 255)), int(random.between(0, 255)),
                                int(random.between(0, 255)), int(random.between(80, 150))));
        painter.save();
        painter.translate(random.between(0, width), random.between(0, height));
        painter.rotate(random.between(0, 180));
        const QRectF box(0, 0, random.between(0.02, 0.3) * size, random.between(0.02, 0.3) * size);
        if (i % 2 == 0)
            painter.drawRect(box);
        else
            painter.drawEllipse(box);
        painter.restore();
    }
    return image;
}

bool writePhoto(const QString& path, const QImage& image) {
    const QString partial = path + ".partial";
    QImageWriter writer(partial, "jpeg");
    writer.setQuality(90);
    writer.setProgressiveScanWrite(false);
    writer.setOptimizedWrite(false);
    if (!writer.write(image)) {
        std::fprintf(stderr, "make_photos: %s: %s\n", qPrintable(partial), qPrintable(writer.errorString()));
        QFile::remove(partial);
        return false;
    }
    QFile::remove(path);
    return QFile::rename(partial, path);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: make_photos DIR COUNT WIDTH HEIGHT\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const int count = std::atoi(argv[2]), width = std::atoi(argv[3]), height = std::atoi(argv[4]);
    if (count < 1 || width < 16 || height < 16 || !QDir().mkpath(folder)) {
        std::fprintf(stderr, "make_photos: bad arguments or folder\n");
        return 2;
    }
    std::atomic<int> nextIndex{1};
    std::atomic<bool> failed{false};
    auto work = [&] {
        for (int i = nextIndex++; i <= count; i = nextIndex++) {
            const QString path = QDir(folder).filePath(QString("photo-%1.jpg").arg(i, 4, 10, QChar('0')));
            if (QFileInfo(path).size() > 0)
                continue;
            const std::uint64_t seed =
                std::uint64_t(i) * 0x10000 + std::uint64_t(width) * 31 + std::uint64_t(height);
            if (!writePhoto(path, texture(width, height, seed)))
                failed = true;
        }
    };
    std::vector<std::thread> workers;
    const unsigned threads = std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
    for (unsigned t = 0; t < threads; ++t)
        workers.emplace_back(work);
    for (auto& worker : workers)
        worker.join();
    return failed ? 1 : 0;
}
