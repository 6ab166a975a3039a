#pragma once

#include <functional>
#include <string>

class TReader;
class TWriter;
class TStream;

// What TPersistent::DefineProperties talks to. While writing, each defined property with data
// is written by its writer procedure; while reading, the procedure of the property being read
// is called. DefineProperty values are ordinary stream values (a list of strings, for
// example); DefineBinaryProperty values are blocks of bytes (value tag 10), and their reader
// sees a stream that holds exactly the block.
class TFiler {
 public:
  using TReaderProc = std::function<void(TReader&)>;
  using TWriterProc = std::function<void(TWriter&)>;
  using TStreamProc = std::function<void(TStream&)>;

  TFiler() = default;
  TFiler(const TFiler&) = delete;
  TFiler& operator=(const TFiler&) = delete;
  virtual ~TFiler() = default;

  virtual void DefineProperty(const std::string& name, const TReaderProc& read,
                              const TWriterProc& write, bool hasData) = 0;
  virtual void DefineBinaryProperty(const std::string& name, const TStreamProc& read,
                                    const TStreamProc& write, bool hasData) = 0;
};
