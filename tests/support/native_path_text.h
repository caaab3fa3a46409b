// A path as the platform's narrow calls and log4cxx's properties name it: on Windows in the
// ANSI code page, on the host the path's own bytes (UTF-8). Build the path with
// std::filesystem (u8path for names that are not ASCII) and take its text here.
#pragma once

#include <filesystem>
#include <string>

std::string NativePathText(const std::filesystem::path& path);
