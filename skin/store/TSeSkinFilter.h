#pragma once

#include <memory>
#include <string>

class TStream;
class TSeSkinSource;
struct TSeSkinContent;

// Writes a skin source to a stream and reads it back. The base knows the standard content
// layout (ReadSkin, WriteSkin); each filter decides what wraps it (LoadFromStream,
// SaveToStream) and announces the file extension it serves. A filter lives for one load or
// save, bound to one source; without a source it does nothing.
class TSeSkinFilter {
 public:
  TSeSkinFilter() = default;
  TSeSkinFilter(const TSeSkinFilter&) = delete;
  TSeSkinFilter& operator=(const TSeSkinFilter&) = delete;
  virtual ~TSeSkinFilter() = default;

  TSeSkinSource* Source() const { return source_; }
  void SetSource(TSeSkinSource* source) { source_ = source; }

  // The whole content must read before the source takes it, so a failure keeps the old skin.
  // streamSizeKnown: the stream can tell its size (not one behind a decompressor).
  void ReadSkin(TStream& stream, bool streamSizeKnown);
  virtual void WriteSkin(TStream& stream);

  virtual std::string GetExtension() const = 0;
  virtual std::string GetDescription() const = 0;

  virtual void LoadFromStream(TStream& stream) { (void)stream; }
  virtual void SaveToStream(TStream& stream) { (void)stream; }

 protected:
  // The content in this filter's layout; standard here.
  virtual std::unique_ptr<TSeSkinContent> ReadContent(TStream& stream, bool streamSizeKnown);
  // Called once the content was read, before the source takes it: a filter whose container
  // has a trailer checks it here.
  virtual void CheckEnd(TStream& stream) { (void)stream; }

 private:
  TSeSkinSource* source_ = nullptr;
};
