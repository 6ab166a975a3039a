#include "tools/skinsource/TSkinObjectSource.h"

#include <vector>

#include "framework/core/ObjectText.h"
#include "framework/core/TReadOnlyMemoryStream.h"
#include "framework/core/TReader.h"
#include "skin/objects/SkinObjectRegistry.h"
#include "skin/objects/TSeSkinObject.h"
#include "skin/store/TSeSkinContentWriter.h"
#include "tools/skinsource/ESkinSourceError.h"

namespace skinsource {

namespace {

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find("\r\n", pos);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(pos, end - pos));
    pos = end + 2;
  }
  return lines;
}

// The object's own text form without its "Objects" block, the children nested instead.
void WriteNested(TSeSkinObject& object, const std::string& indent, std::string& out) {
  const std::vector<std::uint8_t> form = TSeSkinContentWriter::BinaryForm(object);
  const std::vector<std::string> lines = SplitLines(ObjectBinaryToText(form));
  // "Objects" is always the last property; its block may run over several lines.
  const std::string objectsLine = "  Objects = {";
  std::size_t stop = lines.size() - 1;  // the closing "end"
  for (std::size_t i = 1; i < lines.size(); ++i)
    if (lines[i].rfind(objectsLine, 0) == 0) {
      stop = i;
      break;
    }
  for (std::size_t i = 0; i < stop; ++i) out += indent + lines[i] + "\r\n";
  for (int i = 0; i < object.ObjectCount(); ++i)
    if (TSeSkinObject* child = object.Objects(i)) WriteNested(*child, indent + "  ", out);
  out += indent + "end\r\n";
}

}  // namespace

std::string TSkinObjectSource::Write(TSeSkinObject& object) {
  std::string out;
  WriteNested(object, "", out);
  return out;
}

std::unique_ptr<TSeSkinObject> TSkinObjectSource::Read(const std::string& text,
                                                       const std::string& sourceName) {
  RegisterSkinObjectClasses();
  try {
    const std::vector<std::uint8_t> form = ObjectTextToBinary(text);
    // "TPF0", then the class name as a short string.
    if (form.size() < 5 || std::size_t{form[4]} + 5 > form.size())
      throw ESkinSourceError("no object");
    const std::string className(reinterpret_cast<const char*>(form.data()) + 5, form[4]);
    const TClassInfo* cls = FindSkinObjectClass(className);
    if (cls == nullptr) throw ESkinSourceError(className + " is not a skin object class");
    std::unique_ptr<TComponent> created(cls->Create(nullptr));
    auto* object = ObjectAs<TSeSkinObject>(created.get());
    if (object == nullptr) throw ESkinSourceError(className + " is not a skin object class");
    // Nested records become children of the object they stand in, through the skin classes.
    TReadOnlyMemoryStream input(form.data(), form.size());
    TReader reader(input, SkinObjectClasses());
    reader.ReadRootComponent(object);
    created.release();
    return std::unique_ptr<TSeSkinObject>(object);
  } catch (const Exception& e) {
    throw ESkinSourceError(sourceName + ": " + e.Message());
  }
}

}  // namespace skinsource
