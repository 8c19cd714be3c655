// Paints the program icon (a lava lamp, 16 to 256 pixels) and the mouse cursors from
// shape descriptions, and writes them as .ico and .cur files for the resource script.
// Run by scripts/paint-icons.sh; a test checks that the committed files match its output.
//
// Every picture is a function of the position in the unit square: it is sampled 4x4 times
// per pixel, which anti-aliases every edge at every size.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

struct Rgba {
    float r = 0, g = 0, b = 0, a = 0;
};

Rgba over(const Rgba& top, const Rgba& bottom) {
    const float a = top.a + bottom.a * (1 - top.a);
    if (a <= 0) return {};
    auto mix = [&](float t, float b) { return (t * top.a + b * bottom.a * (1 - top.a)) / a; };
    return {mix(top.r, bottom.r), mix(top.g, bottom.g), mix(top.b, bottom.b), a};
}

float clamp01(float x) { return std::min(1.0f, std::max(0.0f, x)); }
float smooth(float e0, float e1, float x) {
    const float t = clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

// Distance from p to the segment a-b.
float segmentDistance(float px, float py, float ax, float ay, float bx, float by) {
    const float dx = bx - ax, dy = by - ay;
    const float t = clamp01(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy));
    return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

bool insideTriangle(float px, float py, float ax, float ay, float bx, float by, float cx,
                    float cy) {
    auto side = [&](float x0, float y0, float x1, float y1) {
        return (x1 - x0) * (py - y0) - (y1 - y0) * (px - x0);
    };
    const float d1 = side(ax, ay, bx, by), d2 = side(bx, by, cx, cy), d3 = side(cx, cy, ax, ay);
    const bool negative = d1 < 0 || d2 < 0 || d3 < 0, positive = d1 > 0 || d2 > 0 || d3 > 0;
    return !(negative && positive);
}

using Painter = std::function<Rgba(float u, float v)>;

std::vector<Rgba> render(int size, const Painter& paint) {
    constexpr int samples = 4;
    std::vector<Rgba> pixels(static_cast<size_t>(size) * size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            Rgba sum;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    const float u = (x + (sx + 0.5f) / samples) / size;
                    const float v = (y + (sy + 0.5f) / samples) / size;
                    const Rgba c = paint(u, v);
                    sum.r += c.r * c.a;
                    sum.g += c.g * c.a;
                    sum.b += c.b * c.a;
                    sum.a += c.a;
                }
            }
            Rgba& out = pixels[static_cast<size_t>(y) * size + x];
            if (sum.a > 0) out = {sum.r / sum.a, sum.g / sum.a, sum.b / sum.a,
                                  sum.a / (samples * samples)};
        }
    }
    return pixels;
}

// ---- The lava lamp -------------------------------------------------------------------

// Half-width of the lamp's outline at height v (0 top, 1 bottom); negative outside it.
// Cap: cone from v 0.05 to 0.2. Glass: tapered bottle to v 0.66. Base: flared cone to 0.96.
constexpr float capTop = 0.05f, glassTop = 0.2f, glassBottom = 0.66f, baseBottom = 0.96f;

float lerp(float a, float b, float t) { return a + (b - a) * t; }

float capHalfWidth(float v) { return lerp(0.07f, 0.115f, (v - capTop) / (glassTop - capTop)); }
float glassHalfWidth(float v) {
    const float t = (v - glassTop) / (glassBottom - glassTop);
    return lerp(0.115f, 0.215f, std::sqrt(t)) - 0.02f * t * t;
}
float baseHalfWidth(float v) {
    const float t = (v - glassBottom) / (baseBottom - glassBottom);
    return lerp(0.17f, 0.27f, t * t * 0.6f + t * 0.4f);
}

// Metal shading across a cylinder: bright band left of centre, dark at the rims.
Rgba metal(float across, float tint) {
    const float light = 0.35f + 0.55f * std::pow(std::max(0.0f, std::cos((across + 0.35f) * 1.4f)), 2.0f);
    const float rim = smooth(0.85f, 1.0f, std::fabs(across));
    const float l = light * (1 - 0.6f * rim);
    return {l * 0.92f + tint, l * 0.94f + tint * 0.4f, l, 1};
}

// The wax: a few blobs as a metaball field.
float lavaField(float u, float v) {
    struct Ball { float x, y, r; };
    static const Ball balls[] = {
        {0.47f, 0.29f, 0.045f}, {0.55f, 0.42f, 0.05f}, {0.45f, 0.52f, 0.032f},
        {0.50f, 0.68f, 0.10f},  {0.40f, 0.65f, 0.05f},
    };
    float field = 0;
    for (const Ball& b : balls) {
        const float d2 = (u - b.x) * (u - b.x) + (v - b.y) * (v - b.y);
        field += b.r * b.r / (d2 + 1e-6f);
    }
    return field;
}

Rgba lavaLamp(float u, float v) {
    const float x = u - 0.5f;
    const float edge = 0.004f;  // soft edge width, in unit coordinates
    Rgba colour;
    if (v >= capTop - 0.02f && v < glassTop) {
        const float half = capHalfWidth(std::max(v, capTop));
        const float inside = smooth(-edge, edge, half - std::fabs(x)) *
                             smooth(-edge, edge, v - capTop + 0.01f);
        colour = metal(x / half, 0.05f);
        colour.a = inside;
    } else if (v >= glassTop && v < glassBottom) {
        const float half = glassHalfWidth(v);
        const float inside = smooth(-edge, edge, half - std::fabs(x));
        const float across = x / half;
        // Liquid: deep violet, brighter low down where the bulb shines through.
        const float glow = smooth(glassTop, glassBottom, v);
        Rgba liquid{0.20f + 0.35f * glow, 0.05f + 0.08f * glow, 0.38f + 0.25f * glow, 1};
        const float field = lavaField(u, v);
        if (field > 1.0f) {
            const float heat = smooth(1.0f, 3.5f, field) * (0.4f + 0.6f * glow);
            liquid = {1.0f, 0.28f + 0.5f * heat, 0.05f + 0.12f * heat, 1};
        } else {
            const float halo = smooth(0.6f, 1.0f, field);
            liquid.r = lerp(liquid.r, 0.9f, halo * 0.35f);
            liquid.g = lerp(liquid.g, 0.25f, halo * 0.2f);
        }
        // The glass: a highlight streak on the left and darker rims.
        const float streak = smooth(0.12f, 0.0f, std::fabs(across + 0.55f)) * 0.55f;
        const float rim = smooth(0.8f, 1.0f, std::fabs(across)) * 0.45f;
        colour = {lerp(liquid.r, 1, streak) * (1 - rim), lerp(liquid.g, 1, streak) * (1 - rim),
                  lerp(liquid.b, 1, streak) * (1 - rim), inside};
    } else if (v >= glassBottom && v < baseBottom + 0.02f) {
        const float half = baseHalfWidth(std::min(v, baseBottom));
        const float inside = smooth(-edge, edge, half - std::fabs(x)) *
                             smooth(-edge, edge, baseBottom - v);
        colour = metal(x / half, 0.05f);
        // The bulb's warm light on the top of the base.
        const float warm = smooth(glassBottom + 0.06f, glassBottom, v) * 0.5f;
        colour.r = lerp(colour.r, 1.0f, warm);
        colour.g = lerp(colour.g, 0.55f, warm);
        colour.b = lerp(colour.b, 0.2f, warm);
        colour.a = inside;
    }
    return colour;
}

// ---- Cursors ---------------------------------------------------------------------------

// A cursor is black ink with a white outline, from a distance function of the ink shape
// (negative inside). `outline` is in unit coordinates.
Painter inked(std::function<float(float, float)> distance, float outline = 0.045f) {
    return [distance, outline](float u, float v) {
        const float d = distance(u, v);
        const float aa = 0.012f;
        const Rgba ink{0, 0, 0, smooth(aa, -aa, d)};
        const Rgba halo{1, 1, 1, smooth(outline + aa, outline - aa, d)};
        return over(ink, halo);
    };
}

float arrowHead(float u, float v, float tipX, float tipY, float dirX, float dirY, float size) {
    const float px = -dirY, py = dirX;
    const float bx = tipX - dirX * size, by = tipY - dirY * size;
    const bool in = insideTriangle(u, v, tipX, tipY, bx + px * size * 0.7f, by + py * size * 0.7f,
                                   bx - px * size * 0.7f, by - py * size * 0.7f);
    return in ? -0.01f : 1.0f;
}

// Four-headed arrow: move the view.
float moveShape(float u, float v) {
    float d = std::min(segmentDistance(u, v, 0.2f, 0.5f, 0.8f, 0.5f),
                       segmentDistance(u, v, 0.5f, 0.2f, 0.5f, 0.8f)) - 0.035f;
    d = std::min(d, arrowHead(u, v, 0.08f, 0.5f, -1, 0, 0.17f));
    d = std::min(d, arrowHead(u, v, 0.92f, 0.5f, 1, 0, 0.17f));
    d = std::min(d, arrowHead(u, v, 0.5f, 0.08f, 0, -1, 0.17f));
    d = std::min(d, arrowHead(u, v, 0.5f, 0.92f, 0, 1, 0.17f));
    return d;
}

// A turning arrow round a vertical double arrow: turn the lamp and zoom.
float rotateShape(float u, float v) {
    const float r = std::hypot(u - 0.5f, (v - 0.5f) * 2.6f);
    const float angle = std::atan2((v - 0.5f) * 2.6f, u - 0.5f);
    float ring = std::fabs(r - 0.34f) - 0.035f;
    if (angle < -2.5f) ring = 1.0f;  // the gap where the arrow head sits
    float d = ring;
    d = std::min(d, arrowHead(u, v, 0.22f, 0.40f, 0.25f, -0.97f, 0.15f));
    d = std::min(d, segmentDistance(u, v, 0.5f, 0.2f, 0.5f, 0.8f) - 0.035f);
    d = std::min(d, arrowHead(u, v, 0.5f, 0.06f, 0, -1, 0.15f));
    d = std::min(d, arrowHead(u, v, 0.5f, 0.94f, 0, 1, 0.15f));
    return d;
}

// A planet on a tilted orbit: orbit the view round the lamp.
float orbitShape(float u, float v) {
    const float planet = std::hypot(u - 0.5f, v - 0.5f) - 0.14f;
    const float x = u - 0.5f, y = v - 0.5f;
    const float c = std::cos(-0.45f), s = std::sin(-0.45f);
    const float ex = x * c - y * s, ey = (x * s + y * c) * 2.8f;
    float orbit = std::fabs(std::hypot(ex, ey) - 0.40f) - 0.03f;
    if (ey < 0 && std::fabs(ex) < 0.2f) orbit = 1.0f;  // passes behind the planet
    float d = std::min(planet, orbit);
    d = std::min(d, arrowHead(u, v, 0.86f, 0.40f, 0.55f, -0.83f, 0.16f));
    return d;
}

// A pointing hand, index finger up, for the buttons.
float handShape(float u, float v) {
    float d = segmentDistance(u, v, 0.40f, 0.10f, 0.40f, 0.55f) - 0.075f;  // index finger
    d = std::min(d, segmentDistance(u, v, 0.55f, 0.45f, 0.55f, 0.60f) - 0.07f);
    d = std::min(d, segmentDistance(u, v, 0.69f, 0.48f, 0.69f, 0.62f) - 0.065f);
    d = std::min(d, segmentDistance(u, v, 0.81f, 0.52f, 0.81f, 0.64f) - 0.06f);
    d = std::min(d, segmentDistance(u, v, 0.22f, 0.50f, 0.33f, 0.72f) - 0.07f);  // thumb
    const float palmX = std::max(std::fabs(u - 0.58f) - 0.23f, 0.0f);
    const float palmY = std::max(std::fabs(v - 0.72f) - 0.14f, 0.0f);
    d = std::min(d, std::hypot(palmX, palmY) - 0.05f);
    return d;
}

// ---- File formats -----------------------------------------------------------------------

void put16(std::string& out, unsigned value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}
void put32(std::string& out, uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

// One 32-bit image as stored in .ico and .cur files: header of twice the height, BGRA rows
// bottom-up, then the 1-bit AND mask (set where the pixel is fully transparent).
std::string iconImage(int size, const std::vector<Rgba>& pixels) {
    std::string out;
    put32(out, 40);
    put32(out, static_cast<uint32_t>(size));
    put32(out, static_cast<uint32_t>(size * 2));
    put16(out, 1);
    put16(out, 32);
    put32(out, 0);
    put32(out, 0);
    for (int i = 0; i < 4; ++i) put32(out, 0);
    auto byte = [](float x) { return static_cast<char>(std::lround(clamp01(x) * 255)); };
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            const Rgba& p = pixels[static_cast<size_t>(y) * size + x];
            out.push_back(byte(p.b));
            out.push_back(byte(p.g));
            out.push_back(byte(p.r));
            out.push_back(byte(p.a));
        }
    }
    const int maskRowBytes = ((size + 31) / 32) * 4;
    for (int y = size - 1; y >= 0; --y) {
        std::string row(static_cast<size_t>(maskRowBytes), '\0');
        for (int x = 0; x < size; ++x) {
            if (std::lround(pixels[static_cast<size_t>(y) * size + x].a * 255) == 0)
                row[static_cast<size_t>(x / 8)] |= static_cast<char>(0x80 >> (x % 8));
        }
        out += row;
    }
    return out;
}

struct Entry {
    int size;
    int hotX, hotY;  // cursors only
    std::string image;
};

// type 1: icon, type 2: cursor (whose entries carry the hot spot).
std::string iconFile(int type, const std::vector<Entry>& entries) {
    std::string out;
    put16(out, 0);
    put16(out, static_cast<unsigned>(type));
    put16(out, static_cast<unsigned>(entries.size()));
    uint32_t offset = static_cast<uint32_t>(6 + 16 * entries.size());
    for (const Entry& e : entries) {
        out.push_back(static_cast<char>(e.size >= 256 ? 0 : e.size));
        out.push_back(static_cast<char>(e.size >= 256 ? 0 : e.size));
        out.push_back(0);
        out.push_back(0);
        put16(out, type == 1 ? 1u : static_cast<unsigned>(e.hotX));
        put16(out, type == 1 ? 32u : static_cast<unsigned>(e.hotY));
        put32(out, static_cast<uint32_t>(e.image.size()));
        put32(out, offset);
        offset += static_cast<uint32_t>(e.image.size());
    }
    for (const Entry& e : entries) out += e.image;
    return out;
}

bool writeFile(const std::string& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}

std::string cursorFile(const Painter& painter, float hotU, float hotV) {
    const int size = 32;
    const Entry entry{size, static_cast<int>(hotU * size), static_cast<int>(hotV * size),
                      iconImage(size, render(size, painter))};
    return iconFile(2, {entry});
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];

    std::vector<Entry> icons;
    for (int size : {16, 20, 24, 32, 40, 48, 64, 96, 128, 256})
        icons.push_back({size, 0, 0, iconImage(size, render(size, lavaLamp))});

    const Painter blank = [](float, float) { return Rgba{}; };
    const bool ok = writeFile(folder + "/glimmerjar.ico", iconFile(1, icons)) &&
                    writeFile(folder + "/cursor_blank.cur", cursorFile(blank, 0, 0)) &&
                    writeFile(folder + "/cursor_rotate.cur", cursorFile(inked(rotateShape), 0.5f, 0.5f)) &&
                    writeFile(folder + "/cursor_move.cur", cursorFile(inked(moveShape), 0.5f, 0.5f)) &&
                    writeFile(folder + "/cursor_orbit.cur", cursorFile(inked(orbitShape), 0.5f, 0.5f)) &&
                    writeFile(folder + "/cursor_hand.cur", cursorFile(inked(handShape), 0.40f, 0.04f));
    if (!ok) {
        std::fprintf(stderr, "could not write the pictures into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
