// Pictures compared with the reference PNGs kept in tests/<folder>/data.
//   TEMBRA_UPDATE_IMAGES=1  writes the references anew from what is drawn;
//   TEMBRA_KEEP_IMAGES=dir  also saves each drawn picture into dir, to look at.
#pragma once

class QImage;

namespace tembra::test {

struct ReferenceImage {
    const char* folder;            // below tests/, e.g. "view"
    const char* name;              // e.g. "sample_100.png"
    double shareTolerance = 0.002; // the share of pixels allowed to differ
};

// Fails the test when more than the reference's share of pixels differ by more than a little
// in any channel: a rasteriser of another version may put an edge or a glyph a pixel over.
void ExpectLooksLike(const QImage& image, const ReferenceImage& reference);

bool UpdateReferenceImages();

} // namespace tembra::test
