#pragma once
// The texts a widget draws, as it draws them (after eliding and with the accelerator
// signs taken out): the widget is rendered onto a paint device that records every
// text item instead of painting it.

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QStringList>
#include <QTextItem>
#include <QWidget>

namespace zt6::test_support {

class TextRecordingEngine : public QPaintEngine {
 public:
  TextRecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  void updateState(const QPaintEngineState&) override {}
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  void drawPath(const QPainterPath&) override {}
  void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
  void drawPolygon(const QPoint*, int, PolygonDrawMode) override {}
  void drawTextItem(const QPointF&, const QTextItem& item) override { texts << item.text(); }
  Type type() const override { return QPaintEngine::User; }
  QStringList texts;
};

class TextRecordingDevice : public QPaintDevice {
 public:
  explicit TextRecordingDevice(QSize size) : size_(size) {}
  QPaintEngine* paintEngine() const override { return &engine_; }
  QStringList Texts() const { return engine_.texts; }

 protected:
  int metric(PaintDeviceMetric metric) const override {
    switch (metric) {
      case PdmWidth: return size_.width();
      case PdmHeight: return size_.height();
      case PdmDpiX:
      case PdmDpiY:
      case PdmPhysicalDpiX:
      case PdmPhysicalDpiY: return 96;
      case PdmDepth: return 32;
      case PdmDevicePixelRatio: return 1;
      case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
      case PdmNumColors: return 1 << 24;
      default: return size_.width();
    }
  }

 private:
  QSize size_;
  mutable TextRecordingEngine engine_;
};

// Every text item the widget draws at its present size.
inline QStringList DrawnTexts(QWidget& widget) {
  TextRecordingDevice device(widget.size());
  widget.render(&device);
  return device.Texts();
}

}  // namespace zt6::test_support
