#include "ToolbarIcons.h"

#include "ui/CommandIds.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>
#include <functional>
#include <numbers>

namespace lumivex::gui {

namespace {

// The icons are drawn on a 20 x 18 grid; 1-pixel outlines sit on half coordinates.
constexpr int kWidth = 20;
constexpr int kHeight = 18;

const QColor kInk(44, 52, 66);
const QColor kPaper(255, 255, 255);
const QColor kShade(214, 220, 230);
const QColor kBlue(36, 108, 206);
const QColor kRed(210, 44, 44);
const QColor kGreen(34, 150, 64);
const QColor kAmber(236, 152, 20);
const QColor kViolet(124, 72, 196);

QPen Outline(const QColor& colour = kInk, qreal width = 1.0) {
  return {colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin};
}

// A band shape y = base - height * exp(-((x - centre) / width)^2) from x0 to x1.
QPainterPath Band(qreal x0, qreal x1, qreal base, qreal height, qreal centre, qreal width) {
  QPainterPath path;
  constexpr int kSteps = 24;
  for (int i = 0; i <= kSteps; ++i) {
    const qreal x = x0 + (x1 - x0) * i / kSteps;
    const qreal u = (x - centre) / width;
    const qreal y = base - height * std::exp(-u * u);
    if (i == 0) {
      path.moveTo(x, y);
    } else {
      path.lineTo(x, y);
    }
  }
  return path;
}

// The same band closed along its base, for filling.
QPainterPath FilledBand(qreal x0, qreal x1, qreal base, qreal height, qreal centre, qreal width) {
  QPainterPath path = Band(x0, x1, base, height, centre, width);
  path.lineTo(x1, base);
  path.lineTo(x0, base);
  path.closeSubpath();
  return path;
}

// A sheet of paper with its top right corner folded.
void Page(QPainter& p, qreal left, qreal top, qreal right, qreal bottom) {
  constexpr qreal kFold = 4.0;
  QPainterPath sheet;
  sheet.moveTo(left, top);
  sheet.lineTo(right - kFold, top);
  sheet.lineTo(right, top + kFold);
  sheet.lineTo(right, bottom);
  sheet.lineTo(left, bottom);
  sheet.closeSubpath();
  p.setPen(Outline());
  p.setBrush(kPaper);
  p.drawPath(sheet);
  QPainterPath fold;
  fold.moveTo(right - kFold, top);
  fold.lineTo(right - kFold, top + kFold);
  fold.lineTo(right, top + kFold);
  p.setBrush(kShade);
  p.drawPath(fold);
}

// A database drum: the top ellipse over a shaded body.
void Cylinder(QPainter& p, const QRectF& box) {
  const qreal rim = box.height() * 0.26;
  QPainterPath body;
  body.moveTo(box.left(), box.top() + rim / 2);
  body.lineTo(box.left(), box.bottom() - rim / 2);
  body.arcTo(QRectF(box.left(), box.bottom() - rim, box.width(), rim), 180, 180);
  body.lineTo(box.right(), box.top() + rim / 2);
  body.arcTo(QRectF(box.left(), box.top(), box.width(), rim), 0, -180);
  QLinearGradient shade(box.topLeft(), box.topRight());
  shade.setColorAt(0.0, QColor(70, 122, 196));
  shade.setColorAt(0.45, QColor(140, 182, 236));
  shade.setColorAt(1.0, QColor(52, 98, 168));
  p.setPen(Outline());
  p.setBrush(shade);
  p.drawPath(body);
  // The seams between the platters.
  for (const qreal at : {0.42, 0.68}) {
    const qreal y = box.top() + box.height() * at;
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(box.left(), y - rim / 2, box.width(), rim), 180 * 16, 180 * 16);
  }
  p.setBrush(QColor(190, 214, 246));
  p.drawEllipse(QRectF(box.left(), box.top(), box.width(), rim));
}

// A round badge with a letter or sign, bottom right of a picture.
void Badge(QPainter& p, QPointF centre, const QColor& colour, const QString& letter) {
  p.setPen(Outline(kPaper, 1.0));
  p.setBrush(colour);
  p.drawEllipse(centre, 4.6, 4.6);
  QFont font(QStringLiteral("Helvetica"));
  font.setStyleHint(QFont::SansSerif);
  font.setBold(true);
  font.setPixelSize(8);
  p.setFont(font);
  p.setPen(kPaper);
  p.drawText(QRectF(centre.x() - 5, centre.y() - 5, 10, 10), Qt::AlignCenter, letter);
}

// A green plus or a red cross in a badge.
void SignBadge(QPainter& p, QPointF centre, bool plus) {
  p.setPen(Outline(kPaper, 1.0));
  p.setBrush(plus ? kGreen : kRed);
  p.drawEllipse(centre, 4.6, 4.6);
  p.setPen(Outline(kPaper, 1.6));
  const qreal arm = plus ? 2.6 : 2.0;
  if (plus) {
    p.drawLine(QPointF(centre.x() - arm, centre.y()), QPointF(centre.x() + arm, centre.y()));
    p.drawLine(QPointF(centre.x(), centre.y() - arm), QPointF(centre.x(), centre.y() + arm));
  } else {
    p.drawLine(centre + QPointF(-arm, -arm), centre + QPointF(arm, arm));
    p.drawLine(centre + QPointF(-arm, arm), centre + QPointF(arm, -arm));
  }
}

// A line with a filled arrow head at `to`.
void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour, qreal width = 1.4) {
  p.setPen(Outline(colour, width));
  const QPointF direction = to - from;
  const qreal length = std::hypot(direction.x(), direction.y());
  const QPointF unit = direction / length;
  const QPointF normal(-unit.y(), unit.x());
  constexpr qreal kHead = 3.6;
  p.drawLine(from, to - unit * (kHead * 0.6));
  QPolygonF head;
  head << to << to - unit * kHead + normal * (kHead * 0.55)
       << to - unit * kHead - normal * (kHead * 0.55);
  p.setPen(Outline(colour, 0.8));
  p.setBrush(colour);
  p.drawPolygon(head);
}

// Plot axes in the lower left of the grid.
void Axes(QPainter& p, qreal left, qreal top, qreal right, qreal bottom) {
  p.setPen(Outline(kInk, 1.0));
  p.drawLine(QPointF(left, top), QPointF(left, bottom));
  p.drawLine(QPointF(left, bottom), QPointF(right, bottom));
}

void QuestionMark(QPainter& p, const QRectF& box, const QColor& colour, int pixelSize) {
  QFont font(QStringLiteral("Helvetica"));
  font.setStyleHint(QFont::SansSerif);
  font.setBold(true);
  font.setPixelSize(pixelSize);
  p.setFont(font);
  p.setPen(colour);
  p.drawText(box, Qt::AlignCenter, QStringLiteral("?"));
}

void DrawNew(QPainter& p) {
  Page(p, 3.5, 0.5, 14.5, 17.5);
  // A spark for the fresh start.
  QPainterPath star;
  const QPointF c(15.5, 4.5);
  for (int i = 0; i < 8; ++i) {
    const qreal radius = i % 2 == 0 ? 4.2 : 1.3;
    const qreal angle = std::numbers::pi / 4 * i - std::numbers::pi / 2;
    const QPointF point = c + QPointF(std::cos(angle), std::sin(angle)) * radius;
    if (i == 0) {
      star.moveTo(point);
    } else {
      star.lineTo(point);
    }
  }
  star.closeSubpath();
  p.setPen(Outline(QColor(170, 100, 0), 0.8));
  p.setBrush(kAmber);
  p.drawPath(star);
}

void DrawSpectrumPage(QPainter& p, const QColor& curve) {
  Page(p, 2.5, 0.5, 15.5, 17.5);
  p.setPen(Outline(kShade, 1.0));
  p.drawLine(QPointF(4.5, 15.0), QPointF(13.5, 15.0));
  p.setPen(Outline(curve, 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawPath(Band(4.5, 13.5, 15.0, 9.0, 8.5, 2.2));
}

void DrawOpenDataFile(QPainter& p) {
  DrawSpectrumPage(p, kRed);
}

void DrawCloseSelected(QPainter& p) {
  DrawSpectrumPage(p, kBlue);
  SignBadge(p, {14.8, 12.8}, false);
}

void DrawDatabase(QPainter& p) {
  Cylinder(p, {3.5, 1.0, 13.0, 16.0});
}

void DrawMasterDatabase(QPainter& p, const QColor& colour, const QString& letter) {
  Cylinder(p, {1.5, 1.0, 12.0, 15.5});
  Badge(p, {14.8, 12.8}, colour, letter);
}

void DrawAddRecord(QPainter& p) {
  p.setPen(Outline());
  p.setBrush(kPaper);
  p.drawRoundedRect(QRectF(1.5, 2.5, 14.0, 11.0), 1.2, 1.2);
  p.setBrush(kBlue);
  p.drawRect(QRectF(1.5, 2.5, 14.0, 3.0));
  p.setPen(Outline(QColor(150, 160, 176), 1.0));
  for (const qreal y : {8.0, 10.5}) {
    p.drawLine(QPointF(3.5, y), QPointF(12.5, y));
  }
  SignBadge(p, {15.0, 12.8}, true);
}

void DrawPrint(QPainter& p) {
  p.setPen(Outline());
  p.setBrush(kPaper);
  p.drawRect(QRectF(5.5, 0.5, 9.0, 7.0));
  QLinearGradient body(0, 6, 0, 14);
  body.setColorAt(0.0, QColor(206, 212, 222));
  body.setColorAt(1.0, QColor(140, 148, 162));
  p.setBrush(body);
  p.drawRoundedRect(QRectF(1.5, 6.5, 17.0, 7.0), 1.5, 1.5);
  p.setBrush(kPaper);
  p.drawRect(QRectF(4.5, 11.5, 11.0, 6.0));
  p.setPen(Outline(QColor(150, 160, 176), 1.0));
  p.drawLine(QPointF(6.5, 14.0), QPointF(13.5, 14.0));
  p.drawLine(QPointF(6.5, 16.0), QPointF(11.5, 16.0));
  p.setPen(Qt::NoPen);
  p.setBrush(kGreen);
  p.drawEllipse(QPointF(15.8, 9.0), 1.0, 1.0);
}

void DrawEnergyTransfer(QPainter& p) {
  p.setPen(Outline());
  p.setBrush(kBlue);
  p.drawEllipse(QPointF(4.0, 12.5), 3.2, 3.2);
  p.setBrush(kRed);
  p.drawEllipse(QPointF(16.0, 12.5), 3.2, 3.2);
  // The excitation hops from donor to acceptor.
  QPainterPath hop;
  hop.moveTo(4.5, 8.0);
  hop.cubicTo(6.5, 1.0, 13.5, 1.0, 15.2, 7.0);
  p.setPen(Outline(kAmber, 1.6));
  p.setBrush(Qt::NoBrush);
  p.drawPath(hop);
  Arrow(p, {14.6, 5.2}, {15.6, 8.6}, kAmber, 1.6);
}

void DrawLifetime(QPainter& p) {
  const QPointF centre(10.0, 9.0);
  p.setPen(Outline(kInk, 1.2));
  p.setBrush(kPaper);
  p.drawEllipse(centre, 7.8, 7.8);
  p.setPen(Outline(kInk, 1.0));
  for (int hour = 0; hour < 12; hour += 3) {
    const qreal angle = std::numbers::pi / 6 * hour;
    const QPointF direction(std::sin(angle), -std::cos(angle));
    p.drawLine(centre + direction * 5.8, centre + direction * 7.0);
  }
  p.setPen(Outline(kInk, 1.5));
  p.drawLine(centre, centre + QPointF(0.0, -5.0));
  p.setPen(Outline(kRed, 1.3));
  p.drawLine(centre, centre + QPointF(3.8, 2.2));
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  p.drawEllipse(centre, 1.1, 1.1);
}

void DrawForster(QPainter& p) {
  const QPainterPath donor = FilledBand(0.5, 19.5, 16.5, 13.0, 7.0, 3.4);
  const QPainterPath acceptor = FilledBand(0.5, 19.5, 16.5, 13.0, 13.0, 3.4);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(kViolet.red(), kViolet.green(), kViolet.blue(), 200));
  p.drawPath(donor.intersected(acceptor));
  p.setBrush(Qt::NoBrush);
  p.setPen(Outline(kBlue, 1.5));
  p.drawPath(Band(0.5, 19.5, 16.5, 13.0, 7.0, 3.4));
  p.setPen(Outline(kRed, 1.5));
  p.drawPath(Band(0.5, 19.5, 16.5, 13.0, 13.0, 3.4));
  Axes(p, 0.5, 16.5, 19.5, 16.5);
}

void DrawMultipleComponent(QPainter& p) {
  const QColor colours[] = {kBlue, kGreen, kRed};
  const qreal bases[] = {7.5, 12.0, 16.5};
  const qreal centres[] = {7.0, 11.0, 13.5};
  for (int i = 0; i < 3; ++i) {
    QColor fill = colours[i];
    fill.setAlpha(150);
    p.setPen(Outline(colours[i], 1.2));
    p.setBrush(fill);
    p.drawPath(FilledBand(1.5, 18.5, bases[i], 6.0, centres[i], 2.6));
  }
}

void DrawOscillator(QPainter& p) {
  p.setPen(Outline(QColor(160, 168, 182), 1.0));
  p.drawLine(QPointF(1.0, 9.0), QPointF(19.0, 9.0));
  QPainterPath wave;
  constexpr int kSteps = 48;
  for (int i = 0; i <= kSteps; ++i) {
    const qreal x = 1.0 + 18.0 * i / kSteps;
    const qreal envelope = std::sin(std::numbers::pi * i / kSteps);
    const qreal y = 9.0 - 7.0 * envelope * std::sin(2.0 * std::numbers::pi * 2.5 * i / kSteps);
    if (i == 0) {
      wave.moveTo(x, y);
    } else {
      wave.lineTo(x, y);
    }
  }
  p.setPen(Outline(kBlue, 1.6));
  p.setBrush(Qt::NoBrush);
  p.drawPath(wave);
}

void DrawTransmission(QPainter& p) {
  // A beam enters the absorber and leaves it weaker.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(250, 200, 60));
  p.drawRect(QRectF(0.5, 5.5, 7.0, 7.0));
  p.setBrush(QColor(250, 214, 120));
  p.drawRect(QRectF(12.0, 7.5, 4.5, 3.0));
  p.setBrush(QColor(250, 214, 120));
  QPolygonF head;
  head << QPointF(16.0, 5.5) << QPointF(19.5, 9.0) << QPointF(16.0, 12.5);
  p.drawPolygon(head);
  QLinearGradient glass(7.5, 0, 12.5, 0);
  glass.setColorAt(0.0, QColor(120, 170, 220));
  glass.setColorAt(1.0, QColor(70, 120, 180));
  p.setPen(Outline());
  p.setBrush(glass);
  p.drawRect(QRectF(7.5, 1.5, 4.5, 15.0));
}

void DrawBlackbody(QPainter& p) {
  // A Planck curve, glowing from red to yellow towards short wavelengths.
  QPainterPath curve;
  constexpr int kSteps = 40;
  for (int i = 0; i <= kSteps; ++i) {
    const qreal x = 1.5 + 17.0 * i / kSteps;
    const qreal lambda = 0.15 + 1.6 * i / kSteps;
    const qreal value = 1.0 / (std::pow(lambda, 5.0) * (std::exp(1.2 / lambda) - 1.0));
    const qreal y = 16.5 - 14.0 * value / 2.53;
    if (i == 0) {
      curve.moveTo(x, y);
    } else {
      curve.lineTo(x, y);
    }
  }
  QPainterPath area = curve;
  area.lineTo(18.5, 16.5);
  area.lineTo(1.5, 16.5);
  area.closeSubpath();
  QLinearGradient glow(1.5, 0, 18.5, 0);
  glow.setColorAt(0.0, QColor(255, 236, 120));
  glow.setColorAt(0.4, QColor(255, 150, 30));
  glow.setColorAt(1.0, QColor(196, 30, 20));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawPath(area);
  p.setPen(Outline(QColor(150, 24, 16), 1.3));
  p.setBrush(Qt::NoBrush);
  p.drawPath(curve);
  Axes(p, 1.5, 1.0, 18.5, 16.5);
}

void DrawCalculator(QPainter& p) {
  p.setPen(Outline());
  p.setBrush(QColor(96, 104, 120));
  p.drawRoundedRect(QRectF(3.5, 0.5, 13.0, 17.0), 1.5, 1.5);
  p.setBrush(QColor(196, 228, 196));
  p.drawRect(QRectF(5.5, 2.5, 9.0, 3.5));
  p.setPen(Qt::NoPen);
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      p.setBrush(column == 2 ? kAmber : kPaper);
      p.drawRect(QRectF(5.5 + column * 3.2, 7.8 + row * 3.2, 2.4, 2.2));
    }
  }
}

void DrawAlter(QPainter& p) {
  p.setPen(Outline(kBlue, 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawPath(Band(0.5, 13.0, 16.5, 10.0, 6.5, 2.6));
  // Scale up and down, shift left and right.
  Arrow(p, {16.0, 9.0}, {16.0, 1.5}, kRed, 1.4);
  Arrow(p, {16.0, 9.0}, {16.0, 16.5}, kRed, 1.4);
  Arrow(p, {6.5, 3.0}, {1.0, 3.0}, kGreen, 1.3);
  Arrow(p, {6.5, 3.0}, {12.0, 3.0}, kGreen, 1.3);
}

void DrawCreate(QPainter& p) {
  p.setPen(Outline(kBlue, 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawPath(Band(0.5, 9.5, 16.5, 9.0, 5.0, 2.0));
  // The pencil, its point at the curve's end.
  p.save();
  p.translate(9.5, 16.0);
  p.rotate(-50.0);
  p.setPen(Outline(kInk, 0.9));
  p.setBrush(kAmber);
  p.drawRect(QRectF(3.5, -1.8, 9.0, 3.6));
  p.setBrush(QColor(240, 150, 150));
  p.drawRect(QRectF(12.5, -1.8, 2.2, 3.6));
  QPolygonF tip;
  tip << QPointF(0.0, 0.0) << QPointF(3.5, -1.8) << QPointF(3.5, 1.8);
  p.setBrush(QColor(236, 208, 160));
  p.drawPolygon(tip);
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  p.drawPolygon(QPolygonF() << QPointF(0.0, 0.0) << QPointF(1.3, -0.7) << QPointF(1.3, 0.7));
  p.restore();
}

void DrawNormalize(QPainter& p) {
  QPen dashed = Outline(kRed, 1.0);
  dashed.setDashPattern({2.0, 1.5});
  p.setPen(dashed);
  p.drawLine(QPointF(7.0, 3.5), QPointF(19.5, 3.5));
  p.setPen(Outline(kBlue, 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawPath(Band(6.5, 19.5, 16.5, 13.0, 13.0, 2.8));
  QFont font(QStringLiteral("Helvetica"));
  font.setStyleHint(QFont::SansSerif);
  font.setBold(true);
  font.setPixelSize(10);
  p.setFont(font);
  p.setPen(kInk);
  p.drawText(QRectF(0.0, -1.5, 7.0, 10.0), Qt::AlignCenter, QStringLiteral("1"));
  Axes(p, 6.5, 1.0, 19.5, 16.5);
}

void DrawAutoScale(QPainter& p) {
  Axes(p, 1.5, 1.0, 14.5, 16.5);
  p.setPen(Outline(kBlue, 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawPath(Band(2.0, 14.5, 16.5, 12.0, 8.0, 2.6));
  Arrow(p, {17.5, 9.0}, {17.5, 1.0}, kGreen, 1.4);
  Arrow(p, {17.5, 9.0}, {17.5, 17.0}, kGreen, 1.4);
}

void DrawListData(QPainter& p) {
  p.setPen(Outline());
  p.setBrush(kPaper);
  p.drawRect(QRectF(2.5, 0.5, 15.0, 17.0));
  p.setBrush(kShade);
  p.drawRect(QRectF(2.5, 0.5, 6.0, 17.0));
  p.setPen(Outline(QColor(150, 160, 176), 1.0));
  for (qreal y = 4.5; y < 17.0; y += 3.0) {
    p.drawLine(QPointF(2.5, y), QPointF(17.5, y));
  }
  p.setPen(Outline(kBlue, 1.0));
  for (qreal y = 3.0; y < 17.0; y += 3.0) {
    p.drawLine(QPointF(10.5, y - 0.5), QPointF(15.5, y - 0.5));
  }
}

void DrawReset(QPainter& p) {
  Axes(p, 1.5, 1.0, 18.5, 16.5);
  // A turn back to the start.
  p.setPen(Outline(kBlue, 1.8));
  p.setBrush(Qt::NoBrush);
  const QRectF circle(5.0, 3.0, 10.0, 10.0);
  p.drawArc(circle, 100 * 16, 280 * 16);
  const qreal angle = 100.0 * std::numbers::pi / 180.0;
  const QPointF end = circle.center() + QPointF(std::cos(angle), -std::sin(angle)) * 5.0;
  Arrow(p, end + QPointF(2.5, 0.6), end + QPointF(-0.6, 0.0), kBlue, 1.6);
}

void DrawSettings(QPainter& p) {
  const qreal knobs[] = {12.5, 5.5, 10.0};
  for (int i = 0; i < 3; ++i) {
    const qreal y = 3.5 + i * 5.5;
    p.setPen(Outline(QColor(120, 128, 142), 1.6));
    p.drawLine(QPointF(1.5, y), QPointF(18.5, y));
    p.setPen(Outline(kInk, 1.0));
    p.setBrush(i == 1 ? kBlue : kPaper);
    p.drawRoundedRect(QRectF(knobs[i] - 2.0, y - 2.5, 4.0, 5.0), 1.0, 1.0);
  }
}

void DrawContextHelp(QPainter& p) {
  QPolygonF pointer;
  pointer << QPointF(1.5, 1.5) << QPointF(1.5, 14.0) << QPointF(4.5, 11.0) << QPointF(6.8, 16.0)
          << QPointF(8.6, 15.2) << QPointF(6.4, 10.4) << QPointF(10.5, 10.4);
  p.setPen(Outline());
  p.setBrush(kPaper);
  p.drawPolygon(pointer);
  p.setPen(Outline(kPaper, 1.0));
  p.setBrush(kBlue);
  p.drawEllipse(QPointF(14.5, 6.5), 5.2, 5.2);
  QuestionMark(p, {9.3, 1.3, 10.4, 10.4}, kPaper, 9);
}

void DrawBibliography(QPainter& p) {
  // An open book.
  p.setPen(Outline());
  p.setBrush(kPaper);
  QPainterPath left;
  left.moveTo(10.0, 4.0);
  left.cubicTo(7.0, 2.0, 3.5, 2.0, 0.5, 3.0);
  left.lineTo(0.5, 15.5);
  left.cubicTo(3.5, 14.5, 7.0, 14.5, 10.0, 16.5);
  left.closeSubpath();
  QPainterPath right;
  right.moveTo(10.0, 4.0);
  right.cubicTo(13.0, 2.0, 16.5, 2.0, 19.5, 3.0);
  right.lineTo(19.5, 15.5);
  right.cubicTo(16.5, 14.5, 13.0, 14.5, 10.0, 16.5);
  right.closeSubpath();
  p.drawPath(left);
  p.drawPath(right);
  p.setPen(Outline(QColor(150, 160, 176), 0.9));
  for (const qreal y : {6.5, 9.0, 11.5}) {
    p.drawLine(QPointF(2.5, y - 1.0), QPointF(8.0, y));
    p.drawLine(QPointF(12.0, y), QPointF(17.5, y - 1.0));
  }
  p.setPen(Outline(kRed, 1.2));
  p.drawLine(QPointF(15.0, 2.4), QPointF(15.0, 7.5));
}

void DrawToolbarHelp(QPainter& p) {
  p.setPen(Outline(QColor(24, 76, 150), 1.0));
  p.setBrush(kBlue);
  p.drawEllipse(QPointF(10.0, 9.0), 8.0, 8.0);
  QuestionMark(p, {2.0, 1.0, 16.0, 16.0}, kPaper, 13);
}

std::function<void(QPainter&)> Painter(int commandId) {
  switch (commandId) {
  case kIdCloseSelectedFiles:
    return DrawCloseSelected;
  case kIdFileNew:
    return DrawNew;
  case kIdOpenDataFile:
    return DrawOpenDataFile;
  case kIdOpenDatabase:
    return DrawDatabase;
  case kIdOpenMasterMolecule:
    return [](QPainter& p) { DrawMasterDatabase(p, kViolet, QStringLiteral("M")); };
  case kIdOpenMasterSolar:
    return [](QPainter& p) { DrawMasterDatabase(p, kAmber, QStringLiteral("S")); };
  case kIdAddRecord:
    return DrawAddRecord;
  case kIdPrint:
    return DrawPrint;
  case kIdEnergyTransferSimulation:
    return DrawEnergyTransfer;
  case kIdFluorescenceLifetime:
    return DrawLifetime;
  case kIdForster:
    return DrawForster;
  case kIdMultipleComponent:
    return DrawMultipleComponent;
  case kIdOscillatorStrength:
    return DrawOscillator;
  case kIdTransmission:
    return DrawTransmission;
  case kIdBlackbody:
    return DrawBlackbody;
  case kIdSpectrumCalculator:
    return DrawCalculator;
  case kIdAlterSpectrum:
    return DrawAlter;
  case kIdCreateSpectrum:
    return DrawCreate;
  case kIdNormalize:
    return DrawNormalize;
  case kIdAutoScale:
    return DrawAutoScale;
  case kIdListData:
    return DrawListData;
  case kIdResetGraph:
    return DrawReset;
  case kIdSetGraph:
    return DrawSettings;
  case kIdContextHelp:
    return DrawContextHelp;
  case kIdBibliography:
    return DrawBibliography;
  case kIdToolbarHelp:
    return DrawToolbarHelp;
  default:
    return {};
  }
}

QPixmap Render(const std::function<void(QPainter&)>& paint, int scale) {
  QPixmap pixmap(kWidth * scale, kHeight * scale);
  pixmap.setDevicePixelRatio(scale);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  paint(painter);
  return pixmap;
}

} // namespace

QIcon ToolbarIcon(int commandId) {
  const std::function<void(QPainter&)> paint = Painter(commandId);
  if (!paint) {
    return {};
  }
  QIcon icon;
  icon.addPixmap(Render(paint, 1));
  icon.addPixmap(Render(paint, 2));
  return icon;
}

} // namespace lumivex::gui
