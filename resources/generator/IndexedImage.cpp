#include "resources/generator/IndexedImage.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <vector>

namespace skingen {
namespace {

struct ColourCount {
    QRgb rgb;
    qint64 count;
};

int channel(QRgb rgb, int c) {
    return c == 0 ? qRed(rgb) : c == 1 ? qGreen(rgb) : qBlue(rgb);
}

// A box of the colour cube holding a slice [begin, end) of the colour list.
struct Box {
    size_t begin;
    size_t end;

    // The widest channel and its extent; the box with the widest extent is split next.
    std::pair<int, int> widest(const std::vector<ColourCount>& colours) const {
        std::array<int, 3> lo{255, 255, 255};
        std::array<int, 3> hi{0, 0, 0};
        for (size_t i = begin; i < end; ++i) {
            for (int c = 0; c < 3; ++c) {
                lo[c] = std::min(lo[c], channel(colours[i].rgb, c));
                hi[c] = std::max(hi[c], channel(colours[i].rgb, c));
            }
        }
        int best = 0;
        for (int c = 1; c < 3; ++c) {
            if (hi[c] - lo[c] > hi[best] - lo[best]) best = c;
        }
        return {best, hi[best] - lo[best]};
    }
};

QRgb average(const std::vector<ColourCount>& colours, const Box& box) {
    qint64 r = 0, g = 0, b = 0, n = 0;
    for (size_t i = box.begin; i < box.end; ++i) {
        r += qRed(colours[i].rgb) * colours[i].count;
        g += qGreen(colours[i].rgb) * colours[i].count;
        b += qBlue(colours[i].rgb) * colours[i].count;
        n += colours[i].count;
    }
    return qRgb(int((r + n / 2) / n), int((g + n / 2) / n), int((b + n / 2) / n));
}

QList<QRgb> medianCut(std::vector<ColourCount> colours, int budget) {
    std::vector<Box> boxes{{0, colours.size()}};
    while (int(boxes.size()) < budget) {
        int pick = -1;
        int pickChannel = 0;
        int pickExtent = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].end - boxes[i].begin < 2) continue;
            auto [c, extent] = boxes[i].widest(colours);
            if (extent > pickExtent) {
                pick = int(i);
                pickChannel = c;
                pickExtent = extent;
            }
        }
        if (pick < 0) break;
        Box box = boxes[size_t(pick)];
        auto first = colours.begin() + qsizetype(box.begin);
        auto last = colours.begin() + qsizetype(box.end);
        std::sort(first, last, [pickChannel](const ColourCount& a, const ColourCount& b) {
            return channel(a.rgb, pickChannel) < channel(b.rgb, pickChannel);
        });
        // Split at the weighted median, keeping at least one colour on each side.
        qint64 total = 0;
        for (auto it = first; it != last; ++it) total += it->count;
        qint64 running = 0;
        size_t split = box.begin + 1;
        for (size_t i = box.begin; i + 1 < box.end; ++i) {
            running += colours[i].count;
            split = i + 1;
            if (running * 2 >= total) break;
        }
        boxes[size_t(pick)] = {box.begin, split};
        boxes.push_back({split, box.end});
    }
    QList<QRgb> palette;
    for (const Box& box : boxes) palette.append(average(colours, box));
    return palette;
}

int nearest(const QList<QRgb>& palette, QRgb rgb) {
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - qRed(rgb);
        const int dg = qGreen(palette[i]) - qGreen(rgb);
        const int db = qBlue(palette[i]) - qBlue(rgb);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

}  // namespace

QImage IndexedImage::toImage() const {
    QImage image(size, QImage::Format_Indexed8);
    image.setColorTable(palette);
    for (int y = 0; y < size.height(); ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < size.width(); ++x) line[x] = uchar(indices[y * size.width() + x]);
    }
    return image;
}

IndexedImage quantize(const QImage& source, int maxColours) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    maxColours = std::clamp(maxColours, 2, 256);
    QHash<QRgb, qint64> histogram;
    bool anyTransparent = false;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) < 128)
                anyTransparent = true;
            else
                ++histogram[line[x] | 0xFF000000u];
        }
    }
    std::vector<ColourCount> colours;
    for (auto it = histogram.cbegin(); it != histogram.cend(); ++it)
        colours.push_back({it.key(), it.value()});

    IndexedImage result;
    result.size = image.size();
    const int budget = maxColours - (anyTransparent ? 1 : 0);
    if (int(colours.size()) <= budget) {
        for (const ColourCount& c : colours) result.palette.append(c.rgb);
    } else {
        result.palette = medianCut(std::move(colours), budget);
    }
    if (anyTransparent) {
        result.transparentIndex = int(result.palette.size());
        result.palette.append(qRgba(0, 0, 0, 0));
    }

    QList<QRgb> opaque = result.palette.mid(0, anyTransparent ? result.palette.size() - 1 : -1);
    QHash<QRgb, int> lookup;
    result.indices.resize(qsizetype(image.width()) * image.height());
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            int index = result.transparentIndex;
            if (qAlpha(line[x]) >= 128) {
                const QRgb rgb = line[x] | 0xFF000000u;
                auto found = lookup.constFind(rgb);
                index = found != lookup.cend() ? *found : *lookup.insert(rgb, nearest(opaque, rgb));
            }
            result.indices[y * image.width() + x] = char(index);
        }
    }
    return result;
}

}  // namespace skingen
