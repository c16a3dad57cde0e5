#include <gtest/gtest.h>

#include <filesystem>

#include "decl_test_support.h"
#include "front/scanner_resolve.h"

namespace zedra {
namespace {

class ActActionFiles : public test::ScratchDirTest {};

TEST(ActPredefined, NineConversionsInModuleCgl) {
  test::ScannerFront front;
  const auto& modules = front.declarations.actions.predefined_modules();
  ASSERT_EQ(modules.size(), 1u);
  EXPECT_EQ(modules.front().name, "cgl");
  std::vector<std::string> listed;
  for (const auto& action : modules.front().actions)
    listed.push_back(*action->name + ":" + *action->type->name);
  EXPECT_EQ(listed, (std::vector<std::string>{
                        "get_repr:string", "convert_to_upper:string", "convert_to_lower:string",
                        "delete_spaces:string", "string_encode:string", "bool_encode:boolean",
                        "char_encode:char", "int_encode:integer", "real_encode:real"}));
  std::vector<std::string> types;
  for (const TypeRecord& type : front.types.layer(TypeTable::Layer::Predefined))
    types.push_back(*type.name);
  EXPECT_EQ(types, (std::vector<std::string>{"string", "boolean", "char", "integer", "real"}));
  EXPECT_NE(TypeTable::type_value_find("false", front.types.type_find("boolean")), nullptr);
  EXPECT_TRUE(front.declarations.actions.modules().empty());
  EXPECT_EQ(front.declarations.actions.current_module(), nullptr);
}

TEST(ActPredefined, ActionFindComparesTheTypeRecord) {
  test::ScannerFront front;
  const ScannerActions& actions = front.declarations.actions;
  EXPECT_NE(actions.action_find("int_encode", front.types.type_find("integer")), nullptr);
  EXPECT_EQ(actions.action_find("int_encode", front.types.type_find("real")), nullptr);
  EXPECT_EQ(actions.action_find("int_encode", nullptr), nullptr);
  EXPECT_EQ(actions.action_find("", actions.string_type()), nullptr);
}

TEST_F(ActActionFiles, HeaderAndTemplateAreCreatedWhenMissing) {
  test::ScannerFront front;
  front.declarations.add_definition_modules({"lexdefs"});
  front.declarations.declare_conversion("to_number", "integer");
  resolve_scanner_declarations(front.declarations);
  write_action_files(front.diagnostics, front.declarations.actions, front.types);
  EXPECT_EQ(test::read_file("lexdefs.h"), "#include \"cgl.h\"\n\ninteger\tto_number(string repr);\n");
  EXPECT_EQ(test::read_file("lexdefs.c"),
            "#include \"lexdefs.h\"\n\ninteger\tto_number(string repr)\n{\n\n} /* to_number */\n\n");
  EXPECT_EQ(front.reports(),
            "- generated file : lexdefs.h\n"
            "Warning: Module 'lexdefs.c' not present, creating a template\n");
}

TEST_F(ActActionFiles, ExistingFilesAreNeverOverwritten) {
  test::write_file("lexdefs.h", "mine\n");
  test::write_file("lexdefs.c", "mine too\n");
  test::ScannerFront front;
  front.declarations.add_definition_modules({"lexdefs"});
  front.declarations.declare_conversion("to_number", "integer");
  resolve_scanner_declarations(front.declarations);
  write_action_files(front.diagnostics, front.declarations.actions, front.types);
  EXPECT_EQ(test::read_file("lexdefs.h"), "mine\n");
  EXPECT_EQ(test::read_file("lexdefs.c"), "mine too\n");
  EXPECT_EQ(front.reports(), "");
}

TEST_F(ActActionFiles, StringConversionsReturnACharPointer) {
  test::ScannerFront front;
  front.declarations.add_definition_modules({"conv"});
  front.declarations.declare_conversion("upper", "string");
  front.declarations.declare_conversion("flag", "boolean");
  resolve_scanner_declarations(front.declarations);
  write_action_files(front.diagnostics, front.declarations.actions, front.types);
  EXPECT_EQ(test::read_file("conv.h"),
            "#include \"cgl.h\"\n\nchar *\tupper(string repr);\nboolean\tflag(string repr);\n");
  EXPECT_EQ(test::read_file("conv.c"),
            "#include \"conv.h\"\n\nchar *\tupper(string repr)\n{\n\n} /* upper */\n\n"
            "boolean\tflag(string repr)\n{\n\n} /* flag */\n\n");
}

TEST_F(ActActionFiles, UntypedActionLeavesTheModuleWithoutFiles) {
  // Written with "??", the files would outlive the mended specification;
  // the error comes in every run, whether the files exist or not.
  test::ScannerFront front;
  front.declarations.add_definition_modules({"odd"});
  front.diagnostics.set_line(3);
  front.declarations.declare_conversion("weird", "unknown");
  front.declarations.add_definition_modules({"fine"});
  front.declarations.declare_conversion("plain", "char");
  resolve_scanner_declarations(front.declarations);
  write_action_files(front.diagnostics, front.declarations.actions, front.types);
  EXPECT_FALSE(std::filesystem::exists("odd.h"));
  EXPECT_FALSE(std::filesystem::exists("odd.c"));
  EXPECT_TRUE(std::filesystem::exists("fine.h"));
  const std::string untyped = "test.inp:3: Error: Scanner action 'weird': no type specified\n";
  const std::string first = front.reports();
  EXPECT_EQ(first, "test.inp:3: Error: Type 'unknown' of action 'weird' undefined\n" + untyped +
                       "- generated file : fine.h\n"
                       "Warning: Module 'fine.c' not present, creating a template\n");
  test::write_file("odd.h", "kept\n");
  write_action_files(front.diagnostics, front.declarations.actions, front.types);
  EXPECT_EQ(front.reports(), first + untyped);
  EXPECT_EQ(test::read_file("odd.h"), "kept\n");
}

TEST_F(ActActionFiles, ModulesWithoutActionsGetNoFiles) {
  test::ScannerFront front;
  front.declarations.add_definition_modules({"empty", "full"});
  front.declarations.declare_conversion("f", "char");
  resolve_scanner_declarations(front.declarations);
  write_action_files(front.diagnostics, front.declarations.actions, front.types);
  EXPECT_FALSE(std::filesystem::exists("empty.h"));
  EXPECT_FALSE(std::filesystem::exists("empty.c"));
  EXPECT_TRUE(std::filesystem::exists("full.h"));
}

}  // namespace
}  // namespace zedra
