#include "front/parser_includes.h"

#include <cstdio>
#include <string>

#include "diagnostics.h"
#include "files.h"
#include "front/parser_declarations.h"
#include "front/parser_reader.h"
#include "front/parser_resolve.h"
#include "spec_source.h"

namespace zedra {

namespace {

// An include file stands for the module of its name (module_name_of: the
// first 8 characters, as sgen names the files of a scanner). The file is
// read under that name, and the parser includes the header of that name,
// the one that sgen wrote beside it.

// Opens "<module>.inc" in the output folder when there is one (where a
// scanner generated into the same folder left it), then in the working
// directory, else below the installation directory; reports
// Msg::FileUnreadable with the last path when none opens, and a line with
// the places tried before.
FilePtr open_include(Diagnostics& diagnostics, const std::string& name, std::string& opened) {
  const std::string file_name = module_name_of(name) + ".inc";
  std::string tried;
  if (!diagnostics.output_directory().empty()) {
    opened = diagnostics.output_path(file_name);
    if (FilePtr file = open_for_reading(opened)) return file;
    tried = "'" + opened + "' or ";
  }
  opened = file_name;
  if (FilePtr file = open_for_reading(opened)) return file;
  tried += "'" + opened + "' in the working directory";
  opened = diagnostics.installation_directory() + "/include/" + opened;
  FilePtr file = open_file(diagnostics, opened, "r");
  if (!file) diagnostics.report(Msg::FreeText, "  (nor %s)", tried.c_str());
  return file;
}

// sgen writes the scanner "<module>.c" beside the include file: no output
// of this run may replace it (a parser module of the same name writes its
// own "<module>.c", which belongs into another folder).
void keep_scanner_beside(Diagnostics& diagnostics, const std::string& include_path,
                         const std::string& module) {
  diagnostics.keep_file(split_path(include_path).directory + module + ".c",
                        "the scanner of the included module '" + module + "'");
}

// The positions in the imported lists where the next include file starts.
struct LayerMark {
  std::size_t constants, attributes, rules;
};

ResolutionScope new_declarations(ParserDeclarations& declarations, const LayerMark& mark,
                                 ActionModule* module) {
  DeclarationLayer& layer = declarations.imported;
  ResolutionScope scope;
  for (std::size_t i = mark.constants; i < layer.constants.size(); ++i)
    scope.constants.push_back(layer.constants[i].get());
  scope.modules.push_back(module);
  for (std::size_t i = mark.attributes; i < layer.attributes.size(); ++i)
    scope.attributes.push_back(layer.attributes[i].get());
  for (std::size_t i = mark.rules; i < layer.rules.rules.size(); ++i)
    scope.rules.push_back(layer.rules.rules[i].get());
  return scope;
}

// Failures to open the file or to add its module are reported at the
// INCLUDE section of the specification (`spec_name` and the entry's line);
// only what is read from the file carries the include file's name.
int read_include(ParserDeclarations& declarations, SpecSource& source, const LocatedName& entry,
                 const std::string& spec_name) {
  Diagnostics& diagnostics = declarations.diagnostics();
  diagnostics.set_file_name(spec_name);
  diagnostics.set_line(entry.line);
  std::string opened;
  FilePtr file = open_include(diagnostics, entry.name, opened);
  if (!file) return 1;
  keep_scanner_beside(diagnostics, opened, module_name_of(entry.name));

  declarations.build_imported(true);
  ActionModule* module =
      declarations.actions.add_module(diagnostics, declarations.actions.imported,
                                      module_name_of(entry.name));
  if (!module) return 1;
  const DeclarationLayer& layer = declarations.imported;
  LayerMark mark{layer.constants.size(), layer.attributes.size(), layer.rules.rules.size()};

  diagnostics.set_file_name(opened);
  diagnostics.set_line(1);
  source.restart(file.get());
  declarations.set_include_depth(1);
  const ReadResult result = read_parser_specification(source, declarations);
  declarations.set_include_depth(0);
  if (result != kReadAccepted) return 1;
  resolve_declarations(declarations, new_declarations(declarations, mark, module));
  return diagnostics.error_count() != 0 ? 1 : 0;
}

}  // namespace

int read_includes(ParserDeclarations& declarations, SpecSource& source) {
  const std::string spec_name = declarations.diagnostics().file_name();
  int result = 0;
  for (const LocatedName& entry : declarations.include_queue()) {
    result = read_include(declarations, source, entry, spec_name);
    if (result != 0) break;
  }
  declarations.build_imported(false);
  return result;
}

}  // namespace zedra
