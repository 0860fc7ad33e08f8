#include "wspolne/ZapisAtomowy.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace wtrysk {
namespace {

namespace fs = std::filesystem;

class ZapisAtomowyTest : public ::testing::Test {
protected:
  void SetUp() override {
    Folder = fs::temp_directory_path() / ("wtrysk-zapis-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                          ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(Folder);
    fs::create_directories(Folder);
  }
  void TearDown() override { fs::remove_all(Folder); }

  static std::vector<uint8_t> Czytaj(const fs::path& p) {
    std::ifstream plik(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(plik), {}};
  }

  fs::path Folder;
};

TEST_F(ZapisAtomowyTest, ReplacesTheFileWholeAndLeavesNoTemporaryBehind) {
  const auto sciezka = (Folder / "a.ust").string();
  ASSERT_TRUE(ZapiszAtomowo(sciezka, std::vector<uint8_t>{1, 2, 3}));
  ASSERT_TRUE(ZapiszAtomowo(sciezka, std::vector<uint8_t>{9}));
  EXPECT_EQ(Czytaj(sciezka), (std::vector<uint8_t>{9}));
  EXPECT_EQ(std::distance(fs::directory_iterator(Folder), fs::directory_iterator{}), 1);
}

TEST_F(ZapisAtomowyTest, AFailedSaveKeepsTheEarlierFile) {
  const auto sciezka = Folder / "a.ust";
  ASSERT_TRUE(ZapiszAtomowo(sciezka.string(), std::vector<uint8_t>{1, 2, 3}));
  // The temporary name is taken by a folder, so the new content cannot be written.
  fs::create_directory(Folder / "a.ust.tmp~");
  EXPECT_FALSE(ZapiszAtomowo(sciezka.string(), std::vector<uint8_t>{7}));
  EXPECT_EQ(Czytaj(sciezka), (std::vector<uint8_t>{1, 2, 3}));
  EXPECT_FALSE(ZapiszAtomowo((Folder / "brak" / "b.ust").string(), std::vector<uint8_t>{7})) << "missing folder";
}

}  // namespace
}  // namespace wtrysk
