// Draws velmaric's icon and the pictures its windows show, and writes them as
// PNG files below the resources folder given on the command line:
//
//   icon/velmaric-32.png, icon/velmaric-16.png   the program icon (a whale)
//   pictures/arch-bridge.png                     a deck arch bridge over a valley
//   pictures/section-types.png                   girder sections and their symbols
//   pictures/hollow-slab.png                     a hollow slab and its symbols
//
// Run it through redraw.sh, which builds it and sets QT_QPA_PLATFORM=offscreen.

#include <QDir>
#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

// ===========================================================================
// Line drawings (section types, hollow slab): black ground, white outlines,
// green dimension lines and symbols.

namespace ink {
const QColor ground = Qt::black;
const QColor outline = Qt::white;
const QColor dimension(0, 255, 0);
} // namespace ink

namespace style {
constexpr qreal outlineWidth = 2.0;
constexpr qreal dimensionWidth = 1.0;
constexpr qreal arrowLength = 9.0;
constexpr qreal arrowHalfWidth = 3.0;
constexpr qreal extensionGap = 3.0;        // outline to the start of an extension line
constexpr qreal extensionOvershoot = 6.0;  // extension line beyond the dimension line
constexpr qreal labelGap = 5.0;            // dimension line to its symbol
constexpr int letterSize = 18;             // px
constexpr qreal dimensionOffset = 24.0;    // outline to dimension line
// How far a dimension placed at dimensionOffset reaches out, symbol included.
constexpr qreal dimensionReach = 42.0;
} // namespace style

// Which distance a dimension measures: a horizontal one has a horizontal
// dimension line and vertical extension lines, a vertical one the other way.
enum class Axis { Horizontal, Vertical };

QFont letteringFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(style::letterSize);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// The coordinate a dimension measures along, and the one across it.
qreal along(QPointF point, Axis axis) { return axis == Axis::Horizontal ? point.x() : point.y(); }
qreal across(QPointF point, Axis axis) { return axis == Axis::Horizontal ? point.y() : point.x(); }

QPointF makePoint(qreal alongValue, qreal acrossValue, Axis axis)
{
    return axis == Axis::Horizontal ? QPointF(alongValue, acrossValue)
                                    : QPointF(acrossValue, alongValue);
}

// A filled arrowhead with its tip on `tip`, pointing along `direction`.
void arrowhead(QPainter& painter, QPointF tip, QPointF direction)
{
    const QPointF unit = direction / std::hypot(direction.x(), direction.y());
    const QPointF normal(-unit.y(), unit.x());
    const QPointF base = tip - unit * style::arrowLength;
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.drawPolygon(QPolygonF{tip, base + normal * style::arrowHalfWidth,
                                  base - normal * style::arrowHalfWidth});
    painter.restore();
}

// Writes a symbol centred beside a dimension line, `side` -1 above / left of
// it, +1 below / right of it. Symbols of vertical dimensions read upwards.
void symbol(QPainter& painter, QPointF centre, const QString& text, Axis axis, int side)
{
    painter.save();
    painter.translate(centre);
    if (axis == Axis::Vertical)
        painter.rotate(-90);  // now "below" the text is to the right on the page
    const QFontMetricsF metrics(painter.font());
    const qreal baseline = side < 0 ? -style::labelGap : style::labelGap + metrics.capHeight();
    painter.drawText(QPointF(-metrics.horizontalAdvance(text) / 2, baseline), text);
    painter.restore();
}

// The dimension line from a to b with an arrowhead at each end and its symbol.
void dimensionLine(QPainter& painter, QPointF a, QPointF b, const QString& text, Axis axis,
                   int side)
{
    painter.drawLine(a, b);
    arrowhead(painter, a, a - b);
    arrowhead(painter, b, b - a);
    symbol(painter, (a + b) / 2, text, axis, side);
}

// An extension line from a point of the outline out to a little past the
// dimension line lying at `lineAt`; none if the point is on that line.
void extensionLine(QPainter& painter, QPointF from, qreal lineAt, Axis axis)
{
    const qreal start = across(from, axis);
    if (std::abs(lineAt - start) <= style::extensionGap)
        return;
    const qreal outward = lineAt > start ? 1.0 : -1.0;
    const qreal position = along(from, axis);
    painter.drawLine(makePoint(position, start + outward * style::extensionGap, axis),
                     makePoint(position, lineAt + outward * style::extensionOvershoot, axis));
}

// A chain of dimensions on one line at `lineAt` (a y for horizontal
// dimensions, an x for vertical ones) between successive outline points
// `stops`, labelled `texts`. The symbols go on the side of the line facing
// away from the outline; on a line drawn right across a part (a web, say)
// they go above it.
void dimensionChain(QPainter& painter, const QList<QPointF>& stops, qreal lineAt,
                    const QStringList& texts, Axis axis)
{
    Q_ASSERT(stops.size() == texts.size() + 1);
    painter.save();
    painter.translate(0.5, 0.5);  // keeps one-pixel lines sharp
    painter.setPen(QPen(ink::dimension, style::dimensionWidth));
    painter.setBrush(ink::dimension);

    for (const QPointF& stop : stops)
        extensionLine(painter, stop, lineAt, axis);
    const int side = lineAt > across(stops.front(), axis) ? 1 : -1;
    for (qsizetype i = 0; i + 1 < stops.size(); ++i)
        dimensionLine(painter, makePoint(along(stops[i], axis), lineAt, axis),
                      makePoint(along(stops[i + 1], axis), lineAt, axis), texts[i], axis, side);
    painter.restore();
}

void dimension(QPainter& painter, QPointF from, QPointF to, qreal lineAt, const QString& text,
               Axis axis)
{
    dimensionChain(painter, {from, to}, lineAt, {text}, axis);
}

// A dimension drawn straight across a part, say a web, between its two faces.
void dimensionAcross(QPainter& painter, qreal fromX, qreal toX, qreal y, const QString& text)
{
    dimension(painter, {fromX, y}, {toX, y}, y, text, Axis::Horizontal);
}

void drawOutline(QPainter& painter, const QPainterPath& shape)
{
    painter.save();
    painter.setPen(QPen(ink::outline, style::outlineWidth, Qt::SolidLine, Qt::SquareCap,
                        Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shape);
    painter.restore();
}

void drawOutline(QPainter& painter, const QPolygonF& shape)
{
    QPainterPath path;
    path.addPolygon(shape);
    path.closeSubpath();
    drawOutline(painter, path);
}

// An outline symmetric about x = 0, given its right half from the top round
// to the bottom; the left half is the mirror image.
QPolygonF symmetric(const QList<QPointF>& rightHalf)
{
    QPolygonF shape(rightHalf);
    for (auto point = rightHalf.crbegin(); point != rightHalf.crend(); ++point)
        shape << QPointF(-point->x(), point->y());
    return shape;
}

QPolygonF mirrored(const QPolygonF& shape)
{
    QPolygonF image;
    for (const QPointF& point : shape)
        image << QPointF(-point.x(), point.y());
    return image;
}

// A box-girder cell: a rectangle with its four corners cut off.
QPolygonF chamferedCell(const QRectF& cell, qreal chamfer)
{
    return QPolygonF{{cell.left() + chamfer, cell.top()},     {cell.right() - chamfer, cell.top()},
                     {cell.right(), cell.top() + chamfer},    {cell.right(), cell.bottom() - chamfer},
                     {cell.right() - chamfer, cell.bottom()}, {cell.left() + chamfer, cell.bottom()},
                     {cell.left(), cell.bottom() - chamfer},  {cell.left(), cell.top() + chamfer}};
}

// --- The section types -----------------------------------------------------
// Each section is drawn with the origin at the middle of its top edge.

void rectangleSection(QPainter& painter)
{
    constexpr qreal width = 130;   // B1
    constexpr qreal height = 140;  // HF
    constexpr qreal edge = width / 2;

    drawOutline(painter, symmetric({{edge, 0}, {edge, height}}));
    dimension(painter, {-edge, 0}, {edge, 0}, -style::dimensionOffset, "B1", Axis::Horizontal);
    dimension(painter, {edge, 0}, {edge, height}, edge + style::dimensionOffset, "HF",
              Axis::Vertical);
}

// The T section's flange thickens from its edges towards the web.
void tSection(QPainter& painter)
{
    constexpr qreal flangeWidth = 180;     // BS
    constexpr qreal flangeAtEdge = 30;     // HS
    constexpr qreal flangeAtWeb = 50;
    constexpr qreal webWidth = 48;         // B1
    constexpr qreal height = 140;          // HS + HF
    constexpr qreal edge = flangeWidth / 2;
    constexpr qreal web = webWidth / 2;

    drawOutline(painter, symmetric({{edge, 0}, {edge, flangeAtEdge}, {web, flangeAtWeb},
                                    {web, height}}));
    dimension(painter, {-edge, 0}, {edge, 0}, -style::dimensionOffset, "BS", Axis::Horizontal);
    dimensionChain(painter, {{edge, 0}, {edge, flangeAtEdge}, {web, height}},
                   edge + style::dimensionOffset, {"HS", "HF"}, Axis::Vertical);
    dimensionAcross(painter, -web, web, (flangeAtWeb + height) / 2 + 10, "B1");
}

// The I section's flanges both thicken towards the web.
void iSection(QPainter& painter)
{
    constexpr qreal topWidth = 180;        // BS
    constexpr qreal topAtEdge = 30;        // HS
    constexpr qreal topAtWeb = 46;
    constexpr qreal bottomWidth = 130;     // BX
    constexpr qreal bottomAtEdge = 30;     // HX
    constexpr qreal bottomAtWeb = 46;
    constexpr qreal webWidth = 44;         // B1
    constexpr qreal height = 140;          // HS + HF + HX
    constexpr qreal top = topWidth / 2;
    constexpr qreal bottom = bottomWidth / 2;
    constexpr qreal web = webWidth / 2;

    drawOutline(painter, symmetric({{top, 0}, {top, topAtEdge}, {web, topAtWeb},
                                    {web, height - bottomAtWeb},
                                    {bottom, height - bottomAtEdge}, {bottom, height}}));
    dimension(painter, {-top, 0}, {top, 0}, -style::dimensionOffset, "BS", Axis::Horizontal);
    dimensionChain(painter,
                   {{top, 0}, {top, topAtEdge}, {bottom, height - bottomAtEdge}, {bottom, height}},
                   top + style::dimensionOffset, {"HS", "HF", "HX"}, Axis::Vertical);
    dimensionAcross(painter, -web, web, height / 2 + 10, "B1");
    dimension(painter, {-bottom, height}, {bottom, height}, height + style::dimensionOffset,
              "B X", Axis::Horizontal);
}

// Single-cell box girder: inclined webs, cantilevers thickening towards the
// webs, the cell's top corners chamfered.
void singleCellBox(QPainter& painter)
{
    constexpr qreal deckWidth = 340;          // BS
    constexpr qreal cantileverAtEdge = 30;    // HS
    constexpr qreal cantileverAtWeb = 52;
    constexpr qreal roofThickness = 34;       // top slab over the cell
    constexpr qreal bottomWidth = 180;        // BX
    constexpr qreal floorThickness = 32;      // HX
    constexpr qreal webWidth = 62;            // B1/2, measured level
    constexpr qreal webTopX = 118;            // outer face where the cantilever meets it
    constexpr qreal height = 150;             // HS + HF + HX
    constexpr qreal chamfer = 18;
    constexpr qreal edge = deckWidth / 2;
    constexpr qreal bottom = bottomWidth / 2;
    constexpr qreal floorTop = height - floorThickness;

    // The web's outer face runs straight from under the cantilever down to
    // the bottom corner; its inner face is parallel to it.
    const auto outerFace = [](qreal y) {
        return bottom + (webTopX - bottom) * (height - y) / (height - cantileverAtWeb);
    };
    const auto innerFace = [&](qreal y) { return outerFace(y) - webWidth; };

    const QPolygonF girder = symmetric({{edge, 0}, {edge, cantileverAtEdge},
                                        {webTopX, cantileverAtWeb}, {bottom, height}});
    const QPolygonF cell = symmetric({{innerFace(roofThickness + chamfer) - chamfer, roofThickness},
                                      {innerFace(roofThickness + chamfer), roofThickness + chamfer},
                                      {innerFace(floorTop), floorTop}});
    drawOutline(painter, girder);
    drawOutline(painter, cell);

    dimension(painter, {-edge, 0}, {edge, 0}, -style::dimensionOffset, "BS", Axis::Horizontal);
    dimensionChain(painter,
                   {{edge, 0}, {edge, cantileverAtEdge}, {outerFace(floorTop), floorTop},
                    {bottom, height}},
                   edge + style::dimensionOffset, {"HS", "HF", "HX"}, Axis::Vertical);
    const qreal webLevel = (cantileverAtWeb + floorTop) / 2 + 10;
    for (const qreal side : {-1.0, 1.0})
        dimensionAcross(painter, side * outerFace(webLevel), side * innerFace(webLevel),
                        webLevel, "B1/2");
    dimension(painter, {-bottom, height}, {bottom, height}, height + style::dimensionOffset, "BX",
              Axis::Horizontal);
}

// Two-cell box girder: vertical webs, every cell corner chamfered.
void twoCellBox(QPainter& painter)
{
    constexpr qreal deckWidth = 340;          // BS
    constexpr qreal deckThickness = 30;       // HS
    constexpr qreal bottomWidth = 280;        // BX
    constexpr qreal floorThickness = 30;      // HX
    constexpr qreal outerWebWidth = 56;       // B1/2
    constexpr qreal middleWebWidth = 44;      // B2
    constexpr qreal height = 150;             // HS + HF + HX
    constexpr qreal chamfer = 14;
    constexpr qreal edge = deckWidth / 2;
    constexpr qreal outerFace = bottomWidth / 2;
    constexpr qreal innerFace = outerFace - outerWebWidth;
    constexpr qreal middleFace = middleWebWidth / 2;
    constexpr qreal floorTop = height - floorThickness;

    const QPolygonF rightCell =
        chamferedCell(QRectF(QPointF(middleFace, deckThickness), QPointF(innerFace, floorTop)),
                      chamfer);
    drawOutline(painter, symmetric({{edge, 0}, {edge, deckThickness},
                                    {outerFace, deckThickness}, {outerFace, height}}));
    drawOutline(painter, rightCell);
    drawOutline(painter, mirrored(rightCell));

    dimension(painter, {-edge, 0}, {edge, 0}, -style::dimensionOffset, "BS", Axis::Horizontal);
    dimensionChain(painter,
                   {{edge, 0}, {edge, deckThickness}, {outerFace, floorTop}, {outerFace, height}},
                   edge + style::dimensionOffset, {"HS", "HF", "HX"}, Axis::Vertical);
    const qreal webLevel = (deckThickness + floorTop) / 2 + 10;
    dimensionAcross(painter, -outerFace, -innerFace, webLevel, "B1/2");
    dimensionAcross(painter, innerFace, outerFace, webLevel, "B1/2");
    dimensionAcross(painter, -middleFace, middleFace, webLevel, "B2");
    dimension(painter, {-outerFace, height}, {outerFace, height},
              height + style::dimensionOffset, "BX", Axis::Horizontal);
}

struct PlacedSection {
    QPointF topCentre;
    void (*draw)(QPainter&);
};

QImage lineDrawing(QSize size, const QList<PlacedSection>& sections)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(ink::ground);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(letteringFont());
    for (const PlacedSection& section : sections) {
        painter.save();
        painter.translate(section.topCentre);
        section.draw(painter);
        painter.restore();
    }
    return image;
}

// Two rows: rectangle, T and I on top, the two box girders below. Each
// section sits in an equal share of its row, with room on the right for its
// vertical dimensions.
QImage sectionTypes()
{
    constexpr QSize size(888, 537);
    constexpr qreal topRowY = 62;
    constexpr qreal bottomRowY = 325;
    const auto column = [&](int index, int count) {
        const qreal share = qreal(size.width()) / count;
        return share * (index + 0.5) - style::dimensionReach / 2;
    };
    return lineDrawing(size, {{{column(0, 3), topRowY}, rectangleSection},
                              {{column(1, 3), topRowY}, tSection},
                              {{column(2, 3), topRowY}, iSection},
                              {{column(0, 2), bottomRowY}, singleCellBox},
                              {{column(1, 2), bottomRowY}, twoCellBox}});
}

// --- The hollow slab -------------------------------------------------------

// A slab holding two round-ended voids side by side.
void hollowSlabSection(QPainter& painter)
{
    constexpr qreal width = 330;          // B
    constexpr qreal height = 190;         // H
    constexpr qreal voidWidth = 100;      // D
    constexpr qreal voidStraight = 56;    // H1, the straight-sided middle of a void
    constexpr qreal wallBetween = 60;     // BF
    constexpr qreal edge = width / 2;
    constexpr qreal radius = voidWidth / 2;
    constexpr qreal voidTop = (height - voidWidth - voidStraight) / 2;
    constexpr qreal voidBottom = voidTop + voidWidth + voidStraight;
    constexpr qreal voidInner = wallBetween / 2;          // void side next to the middle wall
    constexpr qreal voidOuter = voidInner + voidWidth;    // void side next to the slab edge

    QPainterPath slab;
    slab.addRect(QRectF(-edge, 0, width, height));
    for (const qreal left : {-voidOuter, voidInner})
        slab.addRoundedRect(QRectF(left, voidTop, voidWidth, voidBottom - voidTop), radius, radius);
    drawOutline(painter, slab);

    dimension(painter, {-edge, 0}, {edge, 0}, -style::dimensionOffset, "B", Axis::Horizontal);
    dimension(painter, {-edge, 0}, {-edge, height}, -edge - style::dimensionOffset, "H",
              Axis::Vertical);
    dimensionChain(painter,
                   {{-voidOuter, voidBottom}, {-voidInner, voidBottom}, {voidInner, voidBottom},
                    {voidOuter, voidBottom}},
                   height + style::dimensionOffset, {"D", "BF", "D"}, Axis::Horizontal);
    dimensionChain(painter,
                   {{voidOuter, voidTop}, {voidOuter, voidTop + radius},
                    {voidOuter, voidBottom - radius}, {voidOuter, voidBottom}},
                   edge + style::dimensionOffset, {"D/2", "H1", "D/2"}, Axis::Vertical);
}

QImage hollowSlab()
{
    constexpr QSize size(468, 314);
    return lineDrawing(size, {{{size.width() / 2.0, 62}, hollowSlabSection}});
}

// ===========================================================================
// The arch bridge: a small painted "photograph" of a deck arch bridge across
// a river valley. It is painted four times larger, in the picture's own pixel
// units, and scaled down smoothly.

namespace bridge {
constexpr QSize size(119, 81);
constexpr int detail = 4;
constexpr qreal deckTop = 29.5;
constexpr qreal deckDepth = 3.0;
constexpr qreal deckUnderside = deckTop + deckDepth;
constexpr qreal leftSpringX = 22;
constexpr qreal rightSpringX = 97;
constexpr qreal crownX = (leftSpringX + rightSpringX) / 2;
constexpr qreal ribAtCrown = 2.8;
constexpr qreal ribAtSprings = 5.5;
constexpr qreal columnSpacing = 6.25;
constexpr qreal columnWidth = 1.6;
constexpr QPointF riverSource(60, 61);  // where the river comes out of the distance
} // namespace bridge

qreal smoothstep(qreal t)
{
    t = std::clamp(t, 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// The near valley sides, as the height of the ground at x.
qreal leftHillAt(qreal x) { return 37 + 47 * smoothstep(x / 44); }
qreal rightHillAt(qreal x) { return 34 + 50 * smoothstep((119 - x) / 41); }

// Tree tops make the skyline of a wooded slope uneven.
qreal treetops(qreal x) { return 0.8 * std::abs(std::sin(x * 0.9)) + 0.5 * std::abs(std::sin(x * 2.3 + 1)); }

// The arch's back (extrados): a parabola through both springings and the
// crown, which touches the deck's underside.
qreal archBackAt(qreal x)
{
    using namespace bridge;
    const qreal x0 = leftSpringX, x1 = crownX, x2 = rightSpringX;
    const qreal y0 = leftHillAt(x0) + 1, y1 = deckUnderside, y2 = rightHillAt(x2) + 1;
    return y0 * (x - x1) * (x - x2) / ((x0 - x1) * (x0 - x2))
         + y1 * (x - x0) * (x - x2) / ((x1 - x0) * (x1 - x2))
         + y2 * (x - x0) * (x - x1) / ((x2 - x0) * (x2 - x1));
}

// The rib is slender at the crown and deepens towards the springings.
qreal archDepthAt(qreal x)
{
    using namespace bridge;
    const qreal u = (x - crownX) / (rightSpringX - crownX);
    return ribAtCrown + (ribAtSprings - ribAtCrown) * u * u;
}

// The area under a curve y = f(x) from x0 to x1, down past the picture's bottom.
QPainterPath areaBelow(const std::function<qreal(qreal)>& f, qreal x0, qreal x1)
{
    constexpr qreal below = 90;
    QPainterPath path(QPointF(x0, below));
    for (qreal x = x0; x < x1; x += 0.25)
        path.lineTo(x, f(x));
    path.lineTo(x1, f(x1));
    path.lineTo(x1, below);
    path.closeSubpath();
    return path;
}

void paintSky(QPainter& painter)
{
    QLinearGradient sky(0, 0, 0, 48);
    sky.setColorAt(0.0, QColor(62, 112, 186));
    sky.setColorAt(0.6, QColor(138, 178, 222));
    sky.setColorAt(1.0, QColor(206, 222, 234));
    painter.fillRect(QRectF(0, 0, bridge::size.width(), bridge::size.height()), sky);

    // A few soft, flat clouds.
    QRandomGenerator random(7);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 9; ++i) {
        const QPointF centre(random.bounded(119.0), 6 + random.bounded(16.0));
        const qreal radius = 4 + random.bounded(6.0);
        QRadialGradient cloud(QPointF(0, 0), radius);
        cloud.setColorAt(0, QColor(255, 255, 255, 110));
        cloud.setColorAt(1, QColor(255, 255, 255, 0));
        painter.save();
        painter.translate(centre);
        painter.scale(2.2, 0.7);
        painter.setBrush(cloud);
        painter.drawEllipse(QPointF(0, 0), radius, radius);
        painter.restore();
    }
}

// A wooded slope: a green ground dappled with tree crowns, each lit from the
// upper left. Far woods get small, pale, low-contrast crowns.
struct Woods {
    QColor high, low;   // ground colour at the top and the foot of the slope
    qreal crown;        // largest crown radius
    int trees;
    int contrast;       // 0..255
};

void paintWoods(QPainter& painter, const QPainterPath& area, const Woods& woods, quint32 seed)
{
    const QRectF bounds = area.boundingRect().intersected(QRectF(0, 0, 119, 81));
    QLinearGradient ground(0, bounds.top(), 0, bounds.bottom());
    ground.setColorAt(0, woods.high);
    ground.setColorAt(1, woods.low);
    painter.fillPath(area, ground);

    painter.save();
    painter.setClipPath(area);
    painter.setPen(Qt::NoPen);
    QRandomGenerator random(seed);
    for (int i = 0; i < woods.trees; ++i) {
        const QPointF centre(bounds.left() + random.bounded(bounds.width()),
                             bounds.top() + random.bounded(bounds.height()));
        const qreal radius = woods.crown * (0.45 + 0.55 * random.generateDouble());
        const qreal depth = (centre.y() - bounds.top()) / bounds.height();
        QColor shade = woods.low.darker(130);
        shade.setAlpha(woods.contrast);
        QColor leaves = woods.high.lighter(100 + random.bounded(25) + int(20 * (1 - depth)));
        leaves.setAlpha(woods.contrast);
        painter.setBrush(shade);
        painter.drawEllipse(centre + QPointF(0.3, 0.35) * radius, radius, radius * 0.85);
        painter.setBrush(leaves);
        painter.drawEllipse(centre - QPointF(0.2, 0.25) * radius, radius * 0.7, radius * 0.6);
    }
    painter.restore();
}

// Hazy mountains far off, then the wooded valley sides falling towards the
// point where the river comes out of the distance.
void paintDistance(QPainter& painter)
{
    using namespace bridge;
    const auto far = [](qreal x) {
        return 36 - 5 * std::sin(x * 0.045 + 0.8) - 2.5 * std::sin(x * 0.13 + 2.0);
    };
    const Woods mountains{QColor(134, 158, 170), QColor(112, 140, 132), 0.9, 700, 45};
    paintWoods(painter, areaBelow(far, -1, 120), mountains, 30);

    const Woods distantWoods{QColor(102, 134, 100), QColor(62, 96, 64), 1.0, 900, 120};
    const auto rightSide = [](qreal x) {
        return 42 + 19 * smoothstep((119 - x) / 59) + 0.4 * treetops(x * 2);
    };
    const auto leftSide = [](qreal x) {
        return 45 + 16 * smoothstep(x / 60) + 0.4 * treetops(x * 2);
    };
    paintWoods(painter, areaBelow(rightSide, riverSource.x() - 4, 120), distantWoods, 31);
    paintWoods(painter, areaBelow(leftSide, -1, riverSource.x() + 4), distantWoods, 32);
}

// The river, widening towards us, bright in the distance where it mirrors
// the sky, with ripples catching the light.
void paintRiver(QPainter& painter)
{
    using namespace bridge;
    const qreal x = riverSource.x(), y = riverSource.y();
    QPainterPath river(QPointF(x - 2, y));
    river.lineTo(x + 2, y);
    river.cubicTo(x + 9, y + 6, x + 20, y + 12, x + 32, y + 21);
    river.lineTo(x - 30, y + 21);
    river.cubicTo(x - 18, y + 12, x - 8, y + 6, x - 2, y);
    QLinearGradient water(0, y, 0, 81);
    water.setColorAt(0, QColor(176, 200, 214));
    water.setColorAt(0.5, QColor(98, 138, 152));
    water.setColorAt(1, QColor(46, 84, 98));
    painter.fillPath(river, water);

    painter.save();
    painter.setClipPath(river);
    QRandomGenerator random(11);
    for (int i = 0; i < 50; ++i) {
        const qreal rippleY = y + 1 + random.bounded(20.0);
        const qreal rippleX = 30 + random.bounded(60.0);
        const qreal length = 0.8 + (rippleY - y) * 0.2 * random.generateDouble();
        painter.setPen(QPen(QColor(225, 238, 244, 60 + random.bounded(90)), 0.3));
        painter.drawLine(QPointF(rippleX, rippleY), QPointF(rippleX + length, rippleY));
    }
    painter.restore();
}

// A column of concrete, lit from the left.
void paintColumn(QPainter& painter, qreal x, qreal top, qreal bottom)
{
    using namespace bridge;
    QLinearGradient concrete(x - columnWidth / 2, 0, x + columnWidth / 2, 0);
    concrete.setColorAt(0, QColor(226, 220, 204));
    concrete.setColorAt(1, QColor(132, 126, 114));
    painter.fillRect(QRectF(x - columnWidth / 2, top, columnWidth, bottom - top), concrete);
}

void paintBridge(QPainter& painter)
{
    using namespace bridge;

    // Approach piers on the valley sides, which will hide their feet.
    for (const qreal x : {7.0, 14.5, 104.5, 112.0})
        paintColumn(painter, x, deckUnderside, (x < crownX ? leftHillAt(x) : rightHillAt(x)) + 3);

    // The arch rib, its springings sunk into the hillsides; its back catches
    // the light, its soffit is in shadow.
    QPainterPath rib;
    const qreal from = leftSpringX - 3, to = rightSpringX + 3;
    rib.moveTo(from, archBackAt(from));
    for (qreal x = from; x <= to; x += 0.25)
        rib.lineTo(x, archBackAt(x));
    for (qreal x = to; x >= from; x -= 0.25)
        rib.lineTo(x, archBackAt(x) + archDepthAt(x));
    rib.closeSubpath();
    QLinearGradient stone(0, deckUnderside, 0, 68);
    stone.setColorAt(0, QColor(220, 212, 194));
    stone.setColorAt(1, QColor(150, 142, 126));
    painter.fillPath(rib, stone);
    painter.setPen(QPen(QColor(88, 82, 72, 190), 0.9));
    QPolygonF soffit;
    for (qreal x = from; x <= to; x += 0.25)
        soffit << QPointF(x, archBackAt(x) + archDepthAt(x) - 0.45);
    painter.drawPolyline(soffit);

    // Spandrel columns from the arch's back up to the deck.
    for (qreal x = crownX - columnSpacing; x > leftSpringX; x -= columnSpacing)
        for (const qreal column : {x, 2 * crownX - x})
            if (archBackAt(column) - deckUnderside > 1.5)
                paintColumn(painter, column, deckUnderside, archBackAt(column) + 0.5);

    // The deck: a pale fascia with its shadow beneath and a railing on top.
    QLinearGradient fascia(0, deckTop, 0, deckUnderside);
    fascia.setColorAt(0, QColor(238, 234, 224));
    fascia.setColorAt(1, QColor(166, 160, 146));
    painter.fillRect(QRectF(-1, deckTop, 121, deckDepth), fascia);
    painter.fillRect(QRectF(-1, deckUnderside, 121, 0.8), QColor(56, 52, 46, 160));
    painter.setPen(QPen(QColor(70, 72, 76), 0.35));
    painter.drawLine(QPointF(-1, deckTop - 1.2), QPointF(120, deckTop - 1.2));
    for (qreal x = 0; x < 120; x += 1.5)
        painter.drawLine(QPointF(x, deckTop - 1.2), QPointF(x, deckTop));
}

// The near valley sides, in front of the bridge's feet. The sun, high on
// the left, leaves the slope below the left-hand hill's crest in shade.
void paintNearHills(QPainter& painter)
{
    const Woods nearWoods{QColor(108, 150, 58), QColor(30, 64, 26), 1.6, 1600, 170};
    const QPainterPath left = areaBelow([](qreal x) { return leftHillAt(x) - treetops(x); }, -1, 50);
    const QPainterPath right =
        areaBelow([](qreal x) { return rightHillAt(x) - treetops(x); }, 70, 120);
    paintWoods(painter, left, nearWoods, 21);
    paintWoods(painter, right, nearWoods, 22);

    QLinearGradient shade(5, 0, 45, 0);
    shade.setColorAt(0, QColor(0, 0, 0, 0));
    shade.setColorAt(1, QColor(0, 20, 0, 80));
    painter.fillPath(left, shade);
    QLinearGradient sunlit(75, 0, 119, 0);
    sunlit.setColorAt(0, QColor(255, 250, 200, 40));
    sunlit.setColorAt(1, QColor(255, 250, 200, 0));
    painter.fillPath(right, sunlit);
}

// The lens darkens the corners a little.
void paintVignette(QPainter& painter)
{
    const QRectF frame(0, 0, bridge::size.width(), bridge::size.height());
    QRadialGradient vignette(frame.center(), frame.width() * 0.75);
    vignette.setColorAt(0.6, QColor(0, 0, 0, 0));
    vignette.setColorAt(1.0, QColor(0, 0, 0, 70));
    painter.fillRect(frame, vignette);
}

// A little grain, so that the picture looks photographed, not drawn.
void addGrain(QImage& image)
{
    QRandomGenerator random(3);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int noise = random.bounded(-10, 11);
            const QRgb pixel = line[x];
            line[x] = qRgb(std::clamp(qRed(pixel) + noise, 0, 255),
                           std::clamp(qGreen(pixel) + noise, 0, 255),
                           std::clamp(qBlue(pixel) + noise, 0, 255));
        }
    }
}

QImage archBridge()
{
    using namespace bridge;
    QImage large(size * detail, QImage::Format_RGB32);
    {
        QPainter painter(&large);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(detail, detail);
        paintSky(painter);
        paintDistance(painter);
        paintRiver(painter);
        paintBridge(painter);
        paintNearHills(painter);
        paintVignette(painter);
    }
    addGrain(large);
    return large.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// ===========================================================================
// The program icon: a blue cartoon whale spouting water, sitting on a
// yellow-green base. Each size has its own drawing, in its own pixels: the
// 16-pixel whale has one-pixel outlines laid on pixel centres, a tail made
// to read at that size, a single dark pixel for an eye, and no smile and no
// falling drops.

namespace palette {
const QColor outline(18, 44, 104);
const QColor whale(40, 110, 220);
const QColor belly(150, 200, 250);
const QColor water(160, 230, 255);
const QColor base(168, 212, 36);
const QColor baseEdge(84, 124, 16);
const QColor eye(255, 255, 255);
const QColor pupil(0, 0, 0);
} // namespace palette

struct IconDrawing {
    int pixels;
    qreal line;              // outline width
    QRectF base;
    qreal baseRounding;
    QPainterPath body{};     // built by the drawing's function
    QRectF belly;            // an ellipse, cut off by the body's outline
    QPainterPath jet{};      // likewise
    qreal jetWidth;
    qreal jetRim;            // width of the blue edge along each side of the jet
    QList<QPointF> drops;    // falling drops of the spout
};

QPen roundPen(const QColor& colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

IconDrawing largeIcon()
{
    IconDrawing icon{.pixels = 32,
                     .line = 1.3,
                     .base = QRectF(1.65, 24, 28.7, 6.35),
                     .baseRounding = 3,
                     .belly = QRectF(4, 20, 20, 10),
                     .jetWidth = 1.8,
                     .jetRim = 1.3,
                     .drops = {{3.5, 11}, {22.5, 11}}};
    QPainterPath& body = icon.body;
    body.moveTo(3, 23);
    body.cubicTo(2, 15, 8, 11, 14, 11);                   // head
    body.cubicTo(18, 11, 20.5, 13, 22, 16.5);             // back
    body.cubicTo(23, 14, 24, 12, 24, 10.5);               // tail stock, rising
    body.cubicTo(22.5, 9.5, 21, 8.5, 20.5, 6);            // left fluke
    body.cubicTo(23, 6, 25, 7, 26, 8.5);
    body.cubicTo(27, 7, 29, 6, 31, 6);                    // right fluke
    body.cubicTo(30.5, 9, 29, 11, 27.5, 12);
    body.cubicTo(28, 18, 27, 24, 21, 25);                 // rump
    body.lineTo(5, 25);
    body.closeSubpath();

    // A column of water out of the blowhole, bursting into two falling arcs.
    QPainterPath& jet = icon.jet;
    jet.moveTo(13, 10.5);
    jet.lineTo(13, 6);
    jet.cubicTo(11.5, 2.5, 6.5, 2, 4.5, 7.5);
    jet.moveTo(13, 6);
    jet.cubicTo(14.5, 2.5, 19.5, 2, 21.5, 7.5);
    return icon;
}

IconDrawing smallIcon()
{
    IconDrawing icon{.pixels = 16,
                     .line = 1,
                     .base = QRectF(0.5, 12.5, 15, 3),
                     .baseRounding = 1.5,
                     .belly = QRectF(2, 10, 10, 5),
                     .jetWidth = 1.2,
                     .jetRim = 0.5,
                     .drops = {}};
    QPainterPath& body = icon.body;
    body.moveTo(1.5, 12);
    body.lineTo(1.5, 9.5);
    body.cubicTo(1.5, 6.5, 3.5, 5.5, 6.5, 5.5);           // head
    body.cubicTo(9, 5.5, 10.5, 6.5, 11, 8);               // back
    body.cubicTo(11.5, 7, 12, 6, 12, 5);                  // tail stock, rising
    body.lineTo(10.5, 2.5);                               // left fluke
    body.lineTo(13, 3.5);
    body.lineTo(15.5, 2);                                 // right fluke
    body.lineTo(14, 5);
    body.cubicTo(14, 8, 14, 11, 12, 12);                  // rump
    body.closeSubpath();

    QPainterPath& jet = icon.jet;
    jet.moveTo(6.5, 5);
    jet.lineTo(6.5, 3);
    jet.cubicTo(6, 1, 4, 1, 3.5, 3);
    jet.moveTo(6.5, 3);
    jet.cubicTo(7, 1, 9, 1, 9.5, 3);
    return icon;
}

// The eye: white with a pupil on the large icon, a dark pixel on the small.
void paintEye(QPainter& painter, int pixels)
{
    if (pixels < 24) {
        painter.fillRect(QRect(4, 8, 1, 1), palette::pupil);
        return;
    }
    painter.setPen(roundPen(palette::pupil, 0.8));
    painter.setBrush(palette::eye);
    painter.drawEllipse(QPointF(9, 17), 1.9, 1.9);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::pupil);
    painter.drawEllipse(QPointF(9.4, 17.3), 0.9, 0.9);
    painter.setPen(roundPen(palette::outline, 0.9));    // and a smile
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(3.5, 17, 7, 4.5), -150 * 16, 90 * 16);
}

// The icon stands for a 256-colour one: keep its most used colours and give
// every other pixel (a rare shade along an antialiased edge) the nearest one.
void limitColours(QImage& image, qsizetype colours)
{
    QHash<QRgb, int> uses;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++uses[image.pixel(x, y)];
    if (uses.size() <= colours)
        return;

    QList<QRgb> kept = uses.keys();
    std::sort(kept.begin(), kept.end(), [&](QRgb a, QRgb b) {
        return uses[a] != uses[b] ? uses[a] > uses[b] : a < b;  // the same order every run
    });
    kept.resize(colours);
    const auto distance = [](QRgb a, QRgb b) {
        const QRgb p = qPremultiply(a), q = qPremultiply(b);
        const auto square = [](int d) { return d * d; };
        return square(qRed(p) - qRed(q)) + square(qGreen(p) - qGreen(q))
             + square(qBlue(p) - qBlue(q)) + square(qAlpha(p) - qAlpha(q));
    };
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            image.setPixel(x, y, *std::min_element(kept.cbegin(), kept.cend(), [&](QRgb a, QRgb b) {
                return distance(pixel, a) < distance(pixel, b);
            }));
        }
}

QImage programIcon(const IconDrawing& icon)
{
    QImage image(icon.pixels, icon.pixels, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    painter.setPen(roundPen(palette::baseEdge, icon.line));
    painter.setBrush(palette::base);
    painter.drawRoundedRect(icon.base, icon.baseRounding, icon.baseRounding);

    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::whale);
    painter.drawPath(icon.body);
    painter.save();
    painter.setClipPath(icon.body);
    painter.setBrush(palette::belly);
    painter.drawEllipse(icon.belly);
    painter.restore();
    painter.setPen(roundPen(palette::outline, icon.line));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(icon.body);

    paintEye(painter, icon.pixels);

    // The spout: water with a blue rim.
    painter.setPen(roundPen(palette::whale, icon.jetWidth + 2 * icon.jetRim));
    painter.drawPath(icon.jet);
    painter.setPen(roundPen(palette::water, icon.jetWidth));
    painter.drawPath(icon.jet);
    painter.setPen(roundPen(palette::whale, icon.line * 0.8));
    painter.setBrush(palette::water);
    for (const QPointF& drop : icon.drops)
        painter.drawEllipse(drop, 1.2, 1.4);
    painter.end();

    limitColours(image, 256);
    return image;
}

// ===========================================================================

bool save(const QImage& image, const QString& path)
{
    if (image.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "drawpictures: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: drawpictures <resources folder>\n");
        return 2;
    }
    const QFontInfo lettering(letteringFont());
    if (lettering.family() != QStringLiteral("DejaVu Sans"))
        std::fprintf(stderr, "drawpictures: DejaVu Sans not found, lettering in %s\n",
                     qPrintable(lettering.family()));

    const QDir resources(QString::fromLocal8Bit(argv[1]));
    if (!resources.mkpath("icon") || !resources.mkpath("pictures")) {
        std::fprintf(stderr, "drawpictures: cannot create folders in %s\n", argv[1]);
        return 1;
    }
    const bool written = save(programIcon(largeIcon()), resources.filePath("icon/velmaric-32.png"))
                       & save(programIcon(smallIcon()), resources.filePath("icon/velmaric-16.png"))
                       & save(archBridge(), resources.filePath("pictures/arch-bridge.png"))
                       & save(sectionTypes(), resources.filePath("pictures/section-types.png"))
                       & save(hollowSlab(), resources.filePath("pictures/hollow-slab.png"));
    return written ? 0 : 1;
}
