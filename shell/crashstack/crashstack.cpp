#include "shell/crashstack/crashstack.h"

#include <dwarf.h>
#include <elfutils/libdwfl.h>

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cxxabi.h>
#include <memory>

namespace {

// A function name as the source wrote it: a C++ symbol demangled, a symbol's version ("@@GLIBC_2.34") left out.
std::string Demangled(const char* symbol) {
    std::string name(symbol);
    const size_t version = name.find('@');
    if (version != std::string::npos && version > 0)
        name.resize(version);
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> text(abi::__cxa_demangle(name.c_str(), nullptr, nullptr, &status),
                                                     &std::free);
    return status == 0 && text ? std::string(text.get()) : name;
}

// `path` with "." and "name/.." steps taken out, without asking the file system (the record may be read elsewhere).
std::string Tidied(const std::string& path) {
    std::vector<std::string> parts;
    size_t at = 0;
    while (at <= path.size()) {
        size_t end = path.find('/', at);
        if (end == std::string::npos)
            end = path.size();
        const std::string part = path.substr(at, end - at);
        if (part == ".." && !parts.empty() && parts.back() != ".." && !parts.back().empty())
            parts.pop_back();
        else if (part != "." && (!part.empty() || parts.empty()))
            parts.push_back(part);
        at = end + 1;
    }
    std::string tidy;
    for (size_t i = 0; i < parts.size(); ++i)
        tidy += (i ? "/" : "") + parts[i];
    return tidy;
}

// The source file of a line, made absolute with its compilation's folder when the debugging information keeps it
// relative.
std::string SourceFile(Dwfl_Module* mod, uint64_t address, const char* file) {
    if (file[0] == '/')
        return Tidied(file);
    Dwarf_Addr bias = 0;
    Dwarf_Die* unit = dwfl_module_addrdie(mod, address, &bias);
    Dwarf_Attribute attr;
    const char* folder = unit ? dwarf_formstring(dwarf_attr(unit, DW_AT_comp_dir, &attr)) : nullptr;
    return folder ? Tidied(std::string(folder) + "/" + file) : std::string(file);
}

// A module's name: its file's path; the kernel's page of system calls without the process id.
std::string ModuleName(const char* name) {
    if (!name)
        return std::string();
    if (!std::strncmp(name, "[vdso", 5))
        return "[vdso]";
    return name;
}

std::string Hex(uint64_t value, int width) {
    char text[24];
    std::snprintf(text, sizeof(text), "0x%0*" PRIx64, width, value);
    return text;
}

struct Module {
    uint64_t start;
    uint64_t end;
    std::string path;
};

// One frame's line: the function and, when the debugging information has it, the file and line.
std::string FrameLine(Dwfl_Module* mod, uint64_t address, uint64_t lookup) {
    std::string line = "* " + Hex(address, 8) + " ";
    GElf_Off offset = 0;
    GElf_Sym sym;
    const char* name = dwfl_module_addrinfo(mod, lookup, &offset, &sym, nullptr, nullptr, nullptr);
    if (!name) {
        line += "???\r\n";
        return line;
    }
    line += Demangled(name);
    if (Dwfl_Line* source = dwfl_module_getsrc(mod, lookup)) {
        int number = 0;
        if (const char* file = dwfl_lineinfo(source, nullptr, &number, nullptr, nullptr, nullptr))
            line += " (" + SourceFile(mod, lookup, file) + "," + std::to_string(number) + ")";
    }
    line += "\r\n";
    return line;
}

} // namespace

std::string DescribeCrashStack(pid_t pid, const std::vector<uint64_t>& addresses, bool firstIsFault,
                               std::string* error) {
    char* debuginfoPath = nullptr;
    const Dwfl_Callbacks callbacks = {dwfl_linux_proc_find_elf, dwfl_standard_find_debuginfo, nullptr, &debuginfoPath};
    std::unique_ptr<Dwfl, decltype(&dwfl_end)> dwfl(dwfl_begin(&callbacks), &dwfl_end);
    if (!dwfl) {
        if (error)
            *error = dwfl_errmsg(-1);
        return std::string();
    }
    dwfl_report_begin(dwfl.get());
    const int reported = dwfl_linux_proc_report(dwfl.get(), pid);
    if (dwfl_report_end(dwfl.get(), nullptr, nullptr) != 0 || reported != 0) {
        if (error)
            *error = reported > 0 ? std::string("cannot read the module map: ") + std::strerror(reported)
                                  : std::string(dwfl_errmsg(-1));
        return std::string();
    }

    std::string text;
    std::string previousPath;
    int listed = 0;
    for (size_t i = 0; i < addresses.size() && listed < kCrashStackFrames; ++i) {
        const uint64_t address = addresses[i];
        // A return address points after its call, which may be the first byte of the next line or function.
        const uint64_t lookup = (i == 0 && firstIsFault) || address == 0 ? address : address - 1;
        Dwfl_Module* mod = dwfl_addrmodule(dwfl.get(), lookup);
        const char* path =
            mod ? dwfl_module_info(mod, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr) : nullptr;
        if (!path || !*path)
            continue;
        if (path != previousPath) {
            if (listed)
                text += "\r\n";
            text += std::string(path) + ":\r\n";
            previousPath = path;
        }
        text += FrameLine(mod, address, lookup);
        ++listed;
    }

    std::vector<Module> modules;
    dwfl_getmodules(
        dwfl.get(),
        [](Dwfl_Module* mod, void**, const char* name, Dwarf_Addr, void* arg) -> int {
            // The map also names data files (fonts, caches, locales); only programs and libraries are modules.
            Dwarf_Addr bias = 0;
            if (!dwfl_module_getelf(mod, &bias))
                return DWARF_CB_OK;
            Dwarf_Addr start = 0;
            Dwarf_Addr end = 0;
            dwfl_module_info(mod, nullptr, &start, &end, nullptr, nullptr, nullptr, nullptr);
            static_cast<std::vector<Module>*>(arg)->push_back({start, end, ModuleName(name)});
            return DWARF_CB_OK;
        },
        &modules, 0);
    std::sort(modules.begin(), modules.end(), [](const Module& a, const Module& b) { return a.start < b.start; });
    text += "\r\nModules:\r\n";
    for (const Module& m : modules)
        text += Hex(m.start, 12) + "-" + Hex(m.end, 12) + " " + m.path + "\r\n";
    return text;
}
