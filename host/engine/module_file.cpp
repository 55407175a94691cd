#include "engine/module_file.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>

#if defined(_WIN32)
#include <windows.h>
#else
#include <elf.h>
#include <link.h>
#endif

namespace ddhost {
namespace {

// The bytes of a file, read where asked.
class FileBytes {
  public:
    explicit FileBytes(const std::string& path) : m_stream(path, std::ios::binary) {
        if (m_stream.seekg(0, std::ios::end)) m_size = static_cast<std::uint64_t>(m_stream.tellg());
    }

    bool open() const { return static_cast<bool>(m_stream); }

    // Reads the value stored at `offset`, `part` of the file: empty, or why it could not.
    template <class T>
    std::string Read(std::uint64_t offset, T& value, const std::string& part) {
        std::string fault = Outside(offset, sizeof value, part);
        if (fault.empty() && !(m_stream.seekg(static_cast<std::streamoff>(offset)) &&
                               m_stream.read(reinterpret_cast<char*>(&value), sizeof value))) {
            fault = "cannot read " + part;
        }
        return fault;
    }

    // Empty when `length` bytes from `offset` on lie inside the file; otherwise why `part` does
    // not.
    std::string Outside(std::uint64_t offset, std::uint64_t length, const std::string& part) const {
        if (Holds(offset, length)) return {};
        return "the file is cut short: " + part + " needs " + std::to_string(length) +
               " bytes from byte " + std::to_string(offset) + ", the file has " +
               std::to_string(m_size);
    }

  private:
    bool Holds(std::uint64_t offset, std::uint64_t length) const {
        return offset <= m_size && length <= m_size - offset;
    }

    std::ifstream m_stream;
    std::uint64_t m_size = 0;
};

#if defined(_WIN32)

std::string FormatFault(FileBytes& file) {
    IMAGE_DOS_HEADER dos;
    if (!file.Read(0, dos, "the DOS header").empty() || dos.e_magic != IMAGE_DOS_SIGNATURE) {
        return "not a PE file";
    }
    const std::uint64_t signatureAt = static_cast<std::uint32_t>(dos.e_lfanew);
    DWORD signature = 0;
    std::string fault = file.Read(signatureAt, signature, "the PE header");
    if (!fault.empty()) return fault;
    if (signature != IMAGE_NT_SIGNATURE) return "not a PE file";
    IMAGE_FILE_HEADER header;
    const std::uint64_t headerAt = signatureAt + sizeof signature;
    fault = file.Read(headerAt, header, "the PE header");
    if (!fault.empty()) return fault;
    if ((header.Characteristics & IMAGE_FILE_DLL) == 0) return "not a DLL";

    const std::uint64_t optionalAt = headerAt + sizeof header;
    const std::uint64_t sectionsAt = optionalAt + header.SizeOfOptionalHeader;
    fault = file.Outside(optionalAt, header.SizeOfOptionalHeader, "the optional header");
    if (fault.empty()) {
        fault = file.Outside(sectionsAt, header.NumberOfSections * sizeof(IMAGE_SECTION_HEADER),
                             "the section table");
    }
    for (WORD i = 0; fault.empty() && i < header.NumberOfSections; ++i) {
        IMAGE_SECTION_HEADER section;
        fault = file.Read(sectionsAt + i * sizeof section, section, "the section table");
        if (!fault.empty()) break;
        const auto* name = reinterpret_cast<const char*>(section.Name);
        fault = file.Outside(section.PointerToRawData, section.SizeOfRawData,
                             "section " + std::to_string(i + 1) + " (" +
                                 std::string(name, strnlen(name, sizeof section.Name)) + ")");
    }
    return fault;
}

#else

std::string FormatFault(FileBytes& file) {
    constexpr int kBits = sizeof(void*) * 8;
    unsigned char ident[EI_NIDENT] = {};
    if (!file.Read(0, ident, "the ELF header").empty() ||
        std::memcmp(ident, ELFMAG, SELFMAG) != 0) {
        return "not an ELF file";
    }
    if (ident[EI_CLASS] != (kBits == 64 ? ELFCLASS64 : ELFCLASS32)) {
        return "not a " + std::to_string(kBits) + "-bit ELF file";
    }
    if (ident[EI_DATA] !=
        (std::endian::native == std::endian::little ? ELFDATA2LSB : ELFDATA2MSB)) {
        return "an ELF file of the other byte order";
    }
    ElfW(Ehdr) header;
    std::string fault = file.Read(0, header, "the ELF header");
    if (!fault.empty()) return fault;
    if (header.e_type != ET_DYN) {
        return "not a shared library (ELF file type " + std::to_string(header.e_type) + ")";
    }
    if (header.e_phentsize != sizeof(ElfW(Phdr))) {
        return "program header entries of " + std::to_string(header.e_phentsize) + " bytes, not " +
               std::to_string(sizeof(ElfW(Phdr)));
    }
    if (header.e_shnum != 0 && header.e_shentsize != sizeof(ElfW(Shdr))) {
        return "section header entries of " + std::to_string(header.e_shentsize) + " bytes, not " +
               std::to_string(sizeof(ElfW(Shdr)));
    }

    fault = file.Outside(header.e_phoff, std::uint64_t{header.e_phnum} * sizeof(ElfW(Phdr)),
                         "the program header table");
    for (ElfW(Half) i = 0; fault.empty() && i < header.e_phnum; ++i) {
        ElfW(Phdr) segment;
        fault = file.Read(header.e_phoff + i * sizeof segment, segment, "the program header table");
        if (fault.empty() && segment.p_type == PT_LOAD) {
            fault = file.Outside(segment.p_offset, segment.p_filesz,
                                 "the loadable segment of program header " + std::to_string(i));
        }
    }
    if (fault.empty() && header.e_shoff != 0) {
        fault = file.Outside(header.e_shoff, std::uint64_t{header.e_shnum} * sizeof(ElfW(Shdr)),
                             "the section header table");
    }
    return fault;
}

#endif

}  // namespace

std::string ModuleFileFault(const std::string& path) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error || !std::filesystem::exists(status)) return {};
    // Reading a FIFO or a device would wait or never end.
    if (!std::filesystem::is_regular_file(status)) return "not a regular file";
    FileBytes file(path);
    return file.open() ? FormatFault(file) : std::string();
}

}  // namespace ddhost
