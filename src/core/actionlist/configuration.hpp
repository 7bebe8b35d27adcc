// Start values, and reading, defaulting and writing the program configuration WexPlakard.kfg.
#pragma once

#include <string>
#include <string_view>

#include "core/actionlist/config.hpp"

namespace wex {

// The identification a configuration file must carry.
inline constexpr const char* kConfigurationKennung = "WexPlakard_CnfDat_V0505";

// Fixes the run-time values the program sets before anything else: file names in the start directory,
// the action list header text, the generation counter 1 and the force-generation flag.
void SetStartValues(_intdat& intdat, const std::string& startDirectory);

// Reads up to 2932 bytes of the file straight into the record, then checks its kennung. True only when the
// file could be opened and its kennung matched; a foreign file still leaves its bytes in the record, and a
// short file fills only the leading bytes.
bool ReadConfiguration(_cnfdat& cnf, const std::string& path);

// Sets exactly the fields that have defaults; every other byte keeps what it held.
void ApplyConfigurationDefaults(_cnfdat& cnf, const _intdat& intdat);

// Stores the 2932-byte record: a read-only file is made writable first, the content is replaced through a
// temporary file. False when the file cannot be written (the old file then stays as it was).
bool WriteConfiguration(const _cnfdat& cnf, const std::string& path);

// Texts the user enters into the configuration, each cut to its field with the NUL inside.
void SetDataFolder(_cnfdat& cnf, std::string_view folder);
void SetOutputFolder(_cnfdat& cnf, std::string_view folder);
void SetIndexFileName(_cnfdat& cnf, std::string_view name);
void SetStyleSheetPath(_cnfdat& cnf, std::string_view path);
void SetProgramTitle(_cnfdat& cnf, std::string_view title);
void SetUploadAccount(_cnfdat& cnf, std::string_view user, std::string_view password,
                      std::string_view server);
void SetUploadDirectory(_cnfdat& cnf, std::string_view directory);
void SetExportFolder(_cnfdat& cnf, std::string_view folder);

}  // namespace wex
