#include "FormTestSkin.h"

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "framework/core/ObjectText.h"
#include "framework/core/TReadOnlyMemoryStream.h"
#include "framework/core/TReader.h"
#include "skin/objects/SkinObjectRegistry.h"

std::unique_ptr<TSeSkinObject> LoadProgramForm() {
  std::ifstream file(std::string(QM_SOURCE_DIR) + "/resources/skin/objects/Form.txt",
                     std::ios::binary);
  if (!file) throw std::runtime_error("the skin's Form source is missing");
  std::stringstream text;
  text << file.rdbuf();
  const std::vector<std::uint8_t> bytes = ObjectTextToBinary(text.str());
  TReadOnlyMemoryStream stream(bytes.data(), bytes.size());
  TReader reader(stream, SkinObjectClasses());
  std::unique_ptr<TComponent> root(reader.ReadRootComponent(nullptr));
  auto* form = ObjectAs<TSeSkinObject>(root.get());
  if (form == nullptr) throw std::runtime_error("the Form source holds no skin object");
  root.release();
  return std::unique_ptr<TSeSkinObject>(form);
}
