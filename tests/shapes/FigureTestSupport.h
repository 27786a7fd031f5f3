// The standard figures placed for the tests: fixed on the page, so that their device points are
// their offsets (the test chart's page starts at (0, 0) at 100 %), with a pen one unit wide.
//
// Their other attributes are the defaults of new shapes (fill 100, corner 30).
//
// The two-anchor figures span (400, 60)-(600, -140), across y = 0; the arc and the fan turn
// about (500, -40) with radius 100, from 0 degrees (600, -40) to 90 degrees (500, 60).
#pragma once

#include "shapes/Zukei2.h"
#include "shapes/Zukei3.h"
#include "shapes/ZukeiArc.h"
#include "shapes/ZukeiArrow1.h"
#include "shapes/ZukeiArrow2.h"
#include "shapes/ZukeiBox.h"
#include "shapes/ZukeiBox2.h"
#include "shapes/ZukeiCircle.h"
#include "shapes/ZukeiDelta1.h"
#include "shapes/ZukeiDelta2.h"
#include "shapes/ZukeiDiamond.h"
#include "shapes/ZukeiEllipse.h"
#include "shapes/ZukeiFan.h"
#include "shapes/ZukeiLine.h"

#include "ShapeTestSupport.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tembra::test {

inline CZukeiPoint OnPage(CPoint offset) {
    return CZukeiPoint(Day(2010, 4, 1), 0.0, offset);
}

template <class T> std::unique_ptr<T> TwoAnchors(CPoint first, CPoint second) {
    auto shape = std::make_unique<T>();
    shape->SetPointMode(kPlaceOnPage);
    shape->SetWidth(-1);
    shape->SetHatch(100);
    shape->SetBoxRay(30);
    shape->SetAnchor1(OnPage(first));
    shape->SetAnchor2(OnPage(second));
    return shape;
}

template <class T>
std::unique_ptr<T> ThreeAnchors(CPoint centre, CPoint start, CPoint end, int placed = 3) {
    auto shape = std::make_unique<T>();
    shape->SetPointMode(kPlaceOnPage);
    shape->SetWidth(-1);
    shape->SetHatch(100);
    shape->SetBoxRay(30);
    shape->SetAnchor(0, OnPage(centre));
    shape->SetAnchor(1, OnPage(start));
    shape->SetAnchor(2, OnPage(end));
    shape->SetPointCount(placed);
    return shape;
}

// Every figure kind, made in its standard place.
struct FigureKind {
    std::string name;
    std::function<std::unique_ptr<CZukei>()> make;
};

inline std::vector<FigureKind> FigureKinds() {
    const CPoint a(400, 60);
    const CPoint b(600, -140);
    const CPoint c(500, -40);
    const CPoint p2(600, -40);
    const CPoint p3(500, 60);
    return {
        {"line", [=] { return TwoAnchors<CZukeiLine>(a, b); }},
        {"box", [=] { return TwoAnchors<CZukeiBox>(a, b); }},
        {"rounded box", [=] { return TwoAnchors<CZukeiBox2>(a, b); }},
        {"circle", [=] { return TwoAnchors<CZukeiCircle>(a, b); }},
        {"ellipse", [=] { return TwoAnchors<CZukeiEllipse>(a, b); }},
        {"arc", [=] { return ThreeAnchors<CZukeiArc>(c, p2, p3); }},
        {"fan", [=] { return ThreeAnchors<CZukeiFan>(c, p2, p3); }},
        {"triangle 1", [=] { return TwoAnchors<CZukeiDelta1>(a, b); }},
        {"triangle 2", [=] { return TwoAnchors<CZukeiDelta2>(a, b); }},
        {"arrow 1", [=] { return TwoAnchors<CZukeiArrow1>(a, b); }},
        {"arrow 2", [=] { return TwoAnchors<CZukeiArrow2>(a, b); }},
        {"diamond", [=] { return TwoAnchors<CZukeiDiamond>(a, b); }},
    };
}

// The unit cell at (x, y): a click probe.
inline CRect Cell(int x, int y) {
    return CRect(x, y + 1, x + 1, y);
}

} // namespace tembra::test
