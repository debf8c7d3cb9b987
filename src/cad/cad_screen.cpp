// The CAD layer's screen side: primitives through the insert transformation into the
// drawing command stream, and inserts expanded from the block files.

#include <cmath>
#include <numbers>

#include "base/codepage.h"
#include "base/safe_file.h"
#include "cad/arc_construction.h"
#include "cad/block_file.h"
#include "cad/cad_output.h"
#include "calc/run_messages.h"

namespace zt6 {

namespace {

int LayerNumberText(std::string_view name) {
  int number = 0;
  for (const char c : name) {
    if (c < '0' || c > '9') return 0;
    number = number * 10 + (c - '0');
    if (number > 1000000) return 0;
  }
  return number;
}

}  // namespace

void CadOutput::Transform(double& x, double& y) const {
  const double angle = transform_.rotation * std::numbers::pi / 180.0;
  const double px = transform_.sx * x;
  const double py = transform_.sy * y;
  x = transform_.ox + std::cos(angle) * px - std::sin(angle) * py;
  y = transform_.oy + std::sin(angle) * px + std::cos(angle) * py;
}

void CadOutput::ScreenLine(double x1, double y1, double x2, double y2) {
  Transform(x1, y1);
  Transform(x2, y2);
  screen_.line(x1, y1, x2, y2);
}

void CadOutput::ScreenCircle(double x, double y, double r) {
  Transform(x, y);
  screen_.circle(x, y, r * transform_.sx);
}

void CadOutput::ScreenArc(double x, double y, double a1, double a2, double r) {
  Transform(x, y);
  screen_.Arc(x, y, a1 + transform_.rotation, a2 + transform_.rotation, r * transform_.sx);
}

void CadOutput::ScreenText(std::string_view cp850, double x, double y) {
  Transform(x, y);
  screen_.OutTextXY(cp850, x, y);
}

// The stream draws the corners in outline order; solids arrive in DXF order.
void CadOutput::ScreenSolid(const std::array<double, 8>& xy) {
  std::array<double, 8> p{xy[0], xy[1], xy[2], xy[3], xy[6], xy[7], xy[4], xy[5]};
  for (std::size_t i = 0; i < 8; i += 2) Transform(p[i], p[i + 1]);
  screen_.Solid(p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7]);
}

void CadOutput::LayerFromName(std::string_view name) {
  for (int n = 0; n <= 5; ++n) {
    if (name == (n == 0 ? std::string("0") : LayerName(n))) {
      Layer(n);
      return;
    }
  }
  Layer(LayerNumberText(name));
}

std::shared_ptr<const BlockFile> CadOutput::BlockOf(std::string_view name) {
  const std::filesystem::path path = BlockFilePath(name);
  if (const auto known = blocksRead_.find(path); known != blocksRead_.end()) return known->second;
  const FileContent content = ReadWholeFile(path, kMaxBlockFileBytes);
  if (content.tooLarge) {
    messages_.Add(Oem("Blockdatei zu groß: ") + std::string(name));
    cancel_ = true;
    return nullptr;
  }
  if (!content.ok) {
    messages_.Add("Invalid temp directory");
    cancel_ = true;
    return nullptr;
  }
  auto block = std::make_shared<const BlockFile>(ParseBlockFile(content.bytes));
  blocksRead_.emplace(path, block);
  return block;
}

void CadOutput::ScreenInsert(std::string_view name, double x, double y, double angle,
                             double sx, double sy) {
  if (nesting_ == 0) transform_ = InsertTransform{};
  if (nesting_ + 1 > kMaxBlockNesting) {
    // Deeper nesting is a block that inserts itself: refuse it instead of ending.
    messages_.Add("error blockno." + std::to_string(nesting_ + 1));
    cancel_ = true;
    return;
  }
  const std::shared_ptr<const BlockFile> block = BlockOf(name);
  if (!block) return;
  const InsertTransform outer = transform_;
  ++nesting_;
  double ox = x;
  double oy = y;
  Transform(ox, oy);
  transform_.ox = ox;
  transform_.oy = oy;
  transform_.rotation += angle;
  transform_.sx *= sx;
  transform_.sy *= sy;

  for (const std::string& message : block->messages) messages_.Add(message);
  for (const BlockEntity& entity : block->entities) DrawBlockEntity(entity);

  --nesting_;
  transform_ = outer;
}

void CadOutput::DrawBlockEntity(const BlockEntity& e) {
  LayerFromName(e.layer);
  const auto& p = e.xy;
  switch (e.kind) {
    case BlockEntity::Kind::Line:
      ScreenLine(p[0], p[1], p[2], p[3]);
      break;
    case BlockEntity::Kind::Circle:
      if (e.radius != 0) ScreenCircle(p[0], p[1], e.radius);
      break;
    case BlockEntity::Kind::Arc:
      if (e.radius != 0) ScreenArc(p[0], p[1], e.angle1, e.angle2, e.radius);
      break;
    case BlockEntity::Kind::Text:
      if (e.text.empty()) break;
      TextStyle(2, e.angle1 + transform_.rotation, e.radius * transform_.sy,
                e.radius * e.scaleX * transform_.sx);
      ScreenText(e.text, p[0], p[1]);
      break;
    case BlockEntity::Kind::Solid:
      ScreenSolid(p);
      break;
    case BlockEntity::Kind::Polyline: {
      const auto& v = e.vertices;
      if (v.size() < 2) break;
      const std::size_t segments = (e.flags & 1) != 0 ? v.size() : v.size() - 1;
      for (std::size_t i = 0; i < segments; ++i) {
        const BlockVertex& from = v[i];
        const BlockVertex& to = v[(i + 1) % v.size()];
        const bool closing = i + 1 == v.size();
        const double phi = closing ? 0.0 : 4 * std::atan(from.bulge);
        if (phi == 0) {
          ScreenLine(from.x, from.y, to.x, to.y);
          continue;
        }
        const ArcThroughPoints arc = ArcThrough(from.x, from.y, to.x, to.y, phi);
        if (!arc.message.empty()) messages_.Add(arc.message);
        if (arc.ok && arc.r != 0) ScreenArc(arc.cx, arc.cy, arc.startAngle, arc.endAngle, arc.r);
      }
      break;
    }
    case BlockEntity::Kind::Insert: {
      const int layer = layer_;
      ScreenInsert(e.text, p[0], p[1], e.angle1, e.scaleX, e.scaleY);
      Layer(layer);
      break;
    }
  }
}

}  // namespace zt6
