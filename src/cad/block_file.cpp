#include "cad/block_file.h"

#include <charconv>
#include <cmath>

namespace zt6 {

namespace {

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

int GroupCode(std::string_view line) {
  const std::string_view text = Trim(line);
  int code = -1;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), code);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return -1;
  return code;
}

// Cursor over the groups of one file.
class GroupReader {
 public:
  explicit GroupReader(const std::vector<DxfGroup>& groups) : groups_(groups) {}
  bool AtEnd() const { return next_ >= groups_.size(); }
  const DxfGroup& Peek() const { return groups_[next_]; }
  const DxfGroup& Take() { return groups_[next_++]; }
  // Groups up to the next code 0.
  template <typename Visit>
  void Fields(Visit visit) {
    while (!AtEnd() && Peek().code != 0) visit(Take());
  }

 private:
  const std::vector<DxfGroup>& groups_;
  std::size_t next_ = 0;
};

void ReadCommon(BlockEntity& entity, const DxfGroup& group) {
  const int code = group.code;
  if (code == 8) {
    entity.layer = std::string(Trim(group.value));
  } else if (code >= 10 && code <= 13) {
    entity.xy[static_cast<std::size_t>(2 * (code - 10))] = BlockNumber(group.value);
  } else if (code >= 20 && code <= 23) {
    entity.xy[static_cast<std::size_t>(2 * (code - 20) + 1)] = BlockNumber(group.value);
  } else if (code == 40) {
    entity.radius = BlockNumber(group.value);
  } else if (code == 41) {
    entity.scaleX = BlockNumber(group.value);
  } else if (code == 42) {
    entity.scaleY = BlockNumber(group.value);
  } else if (code == 50) {
    entity.angle1 = BlockNumber(group.value);
  } else if (code == 51) {
    entity.angle2 = BlockNumber(group.value);
  } else if (code == 70) {
    // Flags are small integers; anything else is no flag word.
    const double flags = BlockNumber(group.value);
    entity.flags = flags >= 0 && flags <= 0xFFFF ? static_cast<int>(flags) : 0;
  } else if (code == 1 || code == 2) {
    entity.text = group.value;
  }
}

bool IsName(const DxfGroup& group, std::string_view name) {
  return group.code == 0 && Trim(group.value) == name;
}

void ReadPolyline(GroupReader& reader, BlockEntity& polyline, BlockFile& file) {
  reader.Fields([&](const DxfGroup& group) { ReadCommon(polyline, group); });
  if (reader.AtEnd() || !IsName(reader.Peek(), "VERTEX")) {
    file.messages.push_back("Error in DXF File");
    return;
  }
  while (!reader.AtEnd() && IsName(reader.Peek(), "VERTEX")) {
    reader.Take();
    BlockEntity vertex;
    vertex.scaleY = 0;  // the bulge lives in group 42
    reader.Fields([&](const DxfGroup& group) { ReadCommon(vertex, group); });
    polyline.vertices.push_back({vertex.xy[0], vertex.xy[1], vertex.scaleY});
  }
  if (!reader.AtEnd() && IsName(reader.Peek(), "SEQEND")) {
    reader.Take();
    reader.Fields([](const DxfGroup&) {});
  }
  file.entities.push_back(std::move(polyline));
}

}  // namespace

double BlockNumber(std::string_view value) {
  std::string text(Trim(value));
  for (char& c : text)
    if (c == ',') c = '.';
  if (!text.empty() && text.front() == '+') text.erase(0, 1);
  double number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(number)) return 0;
  return number;
}

std::vector<DxfGroup> ReadDxfGroups(std::string_view bytes) {
  std::vector<DxfGroup> groups;
  std::size_t position = 0;
  auto nextLine = [&](std::string_view& line) {
    if (position >= bytes.size()) return false;
    const std::size_t end = bytes.find('\n', position);
    const std::size_t stop = end == std::string_view::npos ? bytes.size() : end;
    line = bytes.substr(position, stop - position);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    position = stop == bytes.size() ? stop : stop + 1;
    return true;
  };
  std::string_view codeLine;
  std::string_view valueLine;
  while (nextLine(codeLine)) {
    if (!nextLine(valueLine)) valueLine = {};
    groups.push_back({GroupCode(codeLine), std::string(valueLine)});
  }
  return groups;
}

BlockFile ParseBlockFile(std::string_view bytes) {
  const std::vector<DxfGroup> groups = ReadDxfGroups(bytes);
  GroupReader reader(groups);
  BlockFile file;
  while (!reader.AtEnd()) {
    const DxfGroup& start = reader.Take();
    if (start.code != 0) continue;
    const std::string_view name = Trim(start.value);
    if (name == "EOF") break;
    BlockEntity entity;
    if (name == "POLYLINE") {
      entity.kind = BlockEntity::Kind::Polyline;
      ReadPolyline(reader, entity, file);
      continue;
    }
    if (name == "LINE") {
      entity.kind = BlockEntity::Kind::Line;
    } else if (name == "CIRCLE") {
      entity.kind = BlockEntity::Kind::Circle;
    } else if (name == "ARC") {
      entity.kind = BlockEntity::Kind::Arc;
    } else if (name == "TEXT") {
      entity.kind = BlockEntity::Kind::Text;
    } else if (name == "SOLID") {
      entity.kind = BlockEntity::Kind::Solid;
    } else if (name == "INSERT") {
      entity.kind = BlockEntity::Kind::Insert;
    } else {
      reader.Fields([](const DxfGroup&) {});
      continue;
    }
    reader.Fields([&](const DxfGroup& group) { ReadCommon(entity, group); });
    file.entities.push_back(std::move(entity));
  }
  return file;
}

}  // namespace zt6
