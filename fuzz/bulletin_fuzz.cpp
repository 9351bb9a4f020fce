// keiji.dat: any bytes as the bulletin board's file. Every field fits its
// buffer, no field holds the separator and no time a line break, the posts
// are no more than the bytes could hold, the file reader and the reader of
// bytes agree, and writing what was read gives a file that reads back to the
// same posts and the same bytes; what the program writes reads as whole,
// and every shorter part of it (a rewrite in place under way) does not.
#include <cstdint>
#include <string_view>

#include "common/limits.h"
#include "fuzz/fuzz_support.h"
#include "messaging/bulletin_file.h"

using namespace wabo;
using wabo::fuzz::fitsBuffer;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto& scratch = fuzz::Scratch::instance();
  const std::string path = scratch.write("keiji.dat", data, size);

  BulletinPosts posts;
  FUZZ_REQUIRE(readBulletinFile(path, posts) == BulletinRead::kRead);
  FUZZ_REQUIRE(parseBulletinBoard(std::string_view(reinterpret_cast<const char*>(data), size)) == posts);
  // Every post ends a subject with a separator: one byte of the file at least.
  FUZZ_REQUIRE(posts.size() <= size);
  for (const BulletinPost& post : posts) {
    FUZZ_REQUIRE(fitsBuffer(post.subject, kPostSubjectBytes));
    FUZZ_REQUIRE(fitsBuffer(post.info, kPostInfoBytes));
    FUZZ_REQUIRE(fitsBuffer(post.writer, kPostWriterBytes));
    FUZZ_REQUIRE(fitsBuffer(post.writtenAt, kPostTimeBytes));
    for (const std::string* field : {&post.subject, &post.info, &post.writer, &post.writtenAt})
      FUZZ_REQUIRE(field->find('\x01') == std::string::npos);
    FUZZ_REQUIRE(post.writtenAt.find_first_of("\r\n") == std::string::npos);
  }

  const std::string written = scratch.file("written.dat");
  FUZZ_REQUIRE(saveBulletinBoard(written, posts) == 0);
  const std::string bytes = fuzz::Scratch::read(written);
  FUZZ_REQUIRE(bytes == bulletinFileBytes(posts));
  BulletinPosts again;
  FUZZ_REQUIRE(readBulletinFile(written, again) == BulletinRead::kRead);
  FUZZ_REQUIRE(again == posts);
  FUZZ_REQUIRE(bulletinFileBytes(again) == bytes);

  // The snapshot of a change reads the same; a file the program wrote is
  // whole, and no part of it that a writer in place leaves on the way is.
  BulletinSnapshot snapshot;
  FUZZ_REQUIRE(readBulletinSnapshot(path, snapshot) == BulletinRead::kRead);
  FUZZ_REQUIRE(snapshot.posts == posts && snapshot.bytes == std::string_view(reinterpret_cast<const char*>(data), size));
  FUZZ_REQUIRE(readBulletinImage(bytes).whole);
  const std::size_t cut = size == 0 ? 0 : (data[0] * 257u + size) % bytes.size();
  FUZZ_REQUIRE(!readBulletinImage(std::string_view(bytes).substr(0, cut)).whole);
  return 0;
}
