// The initialization record, decoded and read from its file.
#include "data/init_record.h"
#include "data/init_record_file.h"
#include "fuzz/fuzz_support.h"
#include "host/recording_host.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size >= qv::InitRecord::kSize) {
    const qv::InitRecord record = qv::InitRecord::Decode(data);
    qv::DecodeCheckString(record.CheckString.str());
    uint8_t again[qv::InitRecord::kSize];
    record.Encode(again);
  }
  qv::fuzz::FreshScratchDir();
  qv::fuzz::WriteFile(qv::kInitRecordPath, qv::fuzz::AsText(data, size));
  qv::RecordingHost host;
  qv::LoadInitRecord(host);
  return 0;
}
