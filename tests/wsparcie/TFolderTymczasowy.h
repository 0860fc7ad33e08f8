#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace wtrysk {

// A fresh, empty folder under the system's temporary folder, removed with everything in it
// when the object goes. The name carries a random part, so tests running at the same time
// (other build folders included) never share one.
class TFolderTymczasowy {
public:
  TFolderTymczasowy() {
    std::random_device los;
    const auto liczba = (static_cast<uint64_t>(los()) << 32) | los();
    Sciezka = std::filesystem::temp_directory_path() / ("wtrysk-test-" + std::to_string(liczba));
    std::filesystem::create_directories(Sciezka);
  }
  ~TFolderTymczasowy() {
    std::error_code ignoruj;
    std::filesystem::remove_all(Sciezka, ignoruj);
  }
  TFolderTymczasowy(const TFolderTymczasowy&) = delete;
  TFolderTymczasowy& operator=(const TFolderTymczasowy&) = delete;

  // The path of a file in the folder, as the string the core takes.
  std::string Plik(std::string_view nazwa) const { return (Sciezka / nazwa).string(); }

  static void Zapisz(const std::string& sciezka, std::span<const uint8_t> bajty) {
    std::ofstream plik(sciezka, std::ios::binary | std::ios::trunc);
    plik.write(reinterpret_cast<const char*>(bajty.data()), static_cast<std::streamsize>(bajty.size()));
  }
  // The file's bytes; empty when it does not exist.
  static std::vector<uint8_t> Czytaj(const std::string& sciezka) {
    std::ifstream plik(sciezka, std::ios::binary);
    return {std::istreambuf_iterator<char>(plik), {}};
  }

  std::filesystem::path Sciezka;
};

}  // namespace wtrysk
