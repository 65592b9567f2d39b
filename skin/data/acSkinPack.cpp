#include "skin/data/acSkinPack.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace wakespan {

const char* const kNotPackedMessage = "Loaded data is not a packed Orvelle file";
const char* const kOptionsFileName = "Options.dat";

namespace {

constexpr uint8_t kMagic[4] = {'A', 'S', 'z', 'f'};

// Bounds-checked reading of PackedData; every field that would run past the
// end of the data is a malformed container.
class PackedCursor {
 public:
  PackedCursor(const uint8_t* data, size_t size, size_t& position)
      : data_(data), size_(size), pos_(position) {}

  size_t Remaining() const { return size_ - pos_; }

  int32_t ReadInt32(const char* what) {
    Require(4, what);
    uint32_t v = uint32_t(data_[pos_]) | uint32_t(data_[pos_ + 1]) << 8 |
                 uint32_t(data_[pos_ + 2]) << 16 | uint32_t(data_[pos_ + 3]) << 24;
    pos_ += 4;
    return int32_t(v);
  }

  std::string ReadText(size_t length, const char* what) {
    Require(length, what);
    std::string text(reinterpret_cast<const char*>(data_ + pos_), length);
    pos_ += length;
    return text;
  }

  // Inflates one zlib stream starting at the position into `out`, which must
  // receive exactly `size` bytes, and leaves the position on the first byte
  // after the stream. The output grows only as inflated data arrives, so a
  // declared size never drives an allocation by itself.
  void InflateMember(const std::string& name, int32_t size, ByteBuffer& out) {
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK) throw ESkinError("Packed skin: inflater initialisation failed");
    const size_t expected = size_t(size);
    zs.next_in = const_cast<Bytef*>(data_ + pos_);
    // avail_in is 32-bit; members are far smaller, the cap only guards it.
    zs.avail_in = uInt(std::min<size_t>(Remaining(), 0x7FFFFFFF));
    out.clear();
    // Deflate expands at most about 1032:1, so the data at hand bounds what
    // a member can really produce; the declared size alone never does.
    out.reserve(std::min<size_t>(expected, Remaining() * 1032 + 64));
    uint8_t spare = 0;  // catches output beyond the declared size
    int rc = Z_OK;
    std::string failure;
    while (failure.empty()) {
      const size_t before = out.size();
      const size_t step = std::min<size_t>(expected - before, std::max<size_t>(out.capacity() - before, 1 << 16));
      out.resize(before + step);
      zs.next_out = step ? out.data() + before : &spare;
      zs.avail_out = step ? uInt(step) : 1;
      rc = inflate(&zs, Z_NO_FLUSH);
      out.resize(step ? size_t(zs.next_out - out.data()) : before);
      if (step == 0 && zs.avail_out == 0)
        failure = "inflates to more than its declared " + std::to_string(size) + " bytes";
      else if (rc == Z_STREAM_END)
        break;
      else if (rc == Z_BUF_ERROR)
        failure = "stream read error (the compressed data ends early)";
      else if (rc == Z_NEED_DICT)
        failure = "the stream needs a preset dictionary";
      else if (rc != Z_OK)
        failure = zs.msg ? zs.msg : "inflate error " + std::to_string(rc);
    }
    const size_t consumed = size_t(zs.next_in - (data_ + pos_));
    inflateEnd(&zs);
    if (failure.empty() && out.size() != expected)
      failure = "stream read error (" + std::to_string(out.size()) + " of " + std::to_string(size) + " bytes)";
    if (!failure.empty()) throw ESkinError("Packed skin member \"" + name + "\": " + failure);
    pos_ += consumed;
  }

 private:
  void Require(size_t count, const char* what) const {
    if (count > Remaining())
      throw ESkinError(std::string("Packed skin is malformed: ") + what + " runs past the end of the data");
  }

  const uint8_t* data_;
  size_t size_;
  size_t& pos_;
};

bool EndsWithBmp(const std::string& name) {
  const std::string upper = UpperCase(name);
  return upper.size() >= 4 && upper.compare(upper.size() - 4, 4, ".BMP") == 0;
}

}  // namespace

std::string UpperCase(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
  return text;
}

void TacSkinConvertor::LendPackedData(const uint8_t* data, size_t size) {
  DetachPackedData();
  packed_ = data;
  packedSize_ = size;
  position_ = 0;
}

void TacSkinConvertor::OwnPackedData(ByteBuffer data) {
  DetachPackedData();
  owned_ = std::move(data);
  packed_ = owned_.data();
  packedSize_ = owned_.size();
  position_ = 0;
}

void TacSkinConvertor::DetachPackedData() {
  packed_ = nullptr;
  packedSize_ = 0;
  position_ = 0;
  ByteBuffer().swap(owned_);
}

void TacSkinConvertor::Clear() {
  while (!Files.empty()) Files.pop_back();
  Options.reset();
  DetachPackedData();
}

const TacImageItem* TacSkinConvertor::FindImage(const std::string& upperName) const {
  for (const TacImageItem& item : Files)
    if (UpperCase(item.FileName) == upperName) return &item;
  return nullptr;
}

void UnpackSkinData(std::unique_ptr<TacSkinConvertor>& reader) {
  if (!reader) throw ESkinError("Packed skin: no reader");
  TacSkinConvertor& r = *reader;
  r.position_ = 0;
  if (r.packedSize_ < sizeof kMagic || std::memcmp(r.packed_, kMagic, sizeof kMagic) != 0) {
    reader.reset();  // a lent PackedData is only forgotten, never touched
    throw ESkinError(kNotPackedMessage);
  }
  r.position_ = sizeof kMagic;
  PackedCursor cursor(r.packed_, r.packedSize_, r.position_);
  const int32_t count = cursor.ReadInt32("the member count");
  r.ImageCount = int32_t(uint32_t(count) - 1u);  // wraps like the 32-bit field it mirrors
  const std::string optionsUpper = UpperCase(kOptionsFileName);
  for (int32_t i = 0; i < count; ++i) {
    const int32_t nameLength = cursor.ReadInt32("a member's name length");
    if (nameLength < 0) throw ESkinError("Packed skin is malformed: negative member name length");
    std::string name = cursor.ReadText(size_t(nameLength), "a member's name");
    const int32_t size = cursor.ReadInt32("a member's size");
    if (size < 0) throw ESkinError("Packed skin member \"" + name + "\": negative size");
    ByteBuffer data;
    cursor.InflateMember(name, size, data);
    if (UpperCase(name) == optionsUpper) {
      r.Options = std::move(data);  // a second options member replaces the first
    } else {
      TacImageItem item;
      item.IsBitmap = EndsWithBmp(name);
      item.FileName = std::move(name);
      item.FileStream = std::move(data);
      r.Files.push_back(std::move(item));
    }
  }
}

void LoadPackedSkinFile(const std::string& fileName, std::unique_ptr<TacSkinConvertor>& reader,
                        bool releasePackedData) {
  std::error_code ec;
  const std::filesystem::path path(fileName);
  if (!std::filesystem::is_regular_file(path, ec)) return;
  std::ifstream in(path, std::ios::binary);
  if (!in) throw ESkinError("Cannot open packed skin file " + fileName);
  ByteBuffer bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw ESkinError("Cannot read packed skin file " + fileName);
  if (reader)
    reader->Clear();
  else
    reader = std::make_unique<TacSkinConvertor>();
  reader->OwnPackedData(std::move(bytes));
  UnpackSkinData(reader);
  if (releasePackedData && reader) reader->DetachPackedData();
}

ByteBuffer PackSkinMembers(const std::vector<PackMember>& members) {
  ByteBuffer out(kMagic, kMagic + sizeof kMagic);
  auto put32 = [&out](uint64_t value) {
    if (value > 0x7FFFFFFF) throw ESkinError("Packed skin: a member is too large");
    for (int shift = 0; shift < 32; shift += 8) out.push_back(uint8_t(value >> shift));
  };
  put32(members.size());
  for (const PackMember& m : members) {
    put32(m.Name.size());
    out.insert(out.end(), m.Name.begin(), m.Name.end());
    put32(m.Data.size());
    uLongf bound = compressBound(uLong(m.Data.size()));
    ByteBuffer packed(bound);
    if (compress2(packed.data(), &bound, m.Data.data(), uLong(m.Data.size()), Z_DEFAULT_COMPRESSION) != Z_OK)
      throw ESkinError("Packed skin: compressing \"" + m.Name + "\" failed");
    out.insert(out.end(), packed.begin(), packed.begin() + std::ptrdiff_t(bound));
  }
  return out;
}

}  // namespace wakespan
