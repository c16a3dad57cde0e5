// Types and type values in their three layers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "diagnostics.h"
#include "scpatype.h"
#include "symtab.h"
#include "test_support.h"

namespace zedra {
namespace {

class TypeTableTest : public ::testing::Test {
 protected:
  test::CapturedStream screen;
  Diagnostics diagnostics{screen.get()};
  SymbolTable symbols{diagnostics};
  TypeTable types{symbols};

  std::vector<std::string> type_names(TypeTable::Layer layer) const {
    std::vector<std::string> names;
    for (const TypeRecord& type : types.layer(layer)) names.push_back(*type.name);
    return names;
  }
  static std::vector<std::string> value_names(const TypeRecord* type) {
    std::vector<std::string> names;
    for (const TypeValue& value : type->values) names.push_back(*value.name);
    return names;
  }
  void build_predefined() { build_pgen_predefined_types(types, symbols); }
};

using Names = std::vector<std::string>;

TEST_F(TypeTableTest, TypesAndValuesKeepDeclarationOrder) {
  EXPECT_TRUE(types.type_new("colour"));
  EXPECT_TRUE(types.type_value_new("red"));
  EXPECT_TRUE(types.type_value_new("green"));
  EXPECT_TRUE(types.type_new("shape"));
  EXPECT_TRUE(types.type_value_new("circle"));
  EXPECT_EQ(type_names(TypeTable::Layer::Own), (Names{"colour", "shape"}));
  const TypeRecord* colour = types.type_find("colour");
  ASSERT_NE(colour, nullptr);
  EXPECT_EQ(value_names(colour), (Names{"red", "green"}));
  EXPECT_EQ(types.current_type(), types.type_find("shape"));
  EXPECT_EQ(symbols.find("colour"), colour->name);
}

TEST_F(TypeTableTest, ValueWithoutTypeDoesNothingSilently) {
  EXPECT_FALSE(types.type_value_new("orphan"));
  EXPECT_EQ(symbols.find("orphan"), nullptr);
  EXPECT_EQ(screen.text(), "");
}

TEST_F(TypeTableTest, NamesShareTheOneNameSpace) {
  types.type_new("colour");
  types.type_value_new("red");
  EXPECT_FALSE(types.type_new("red"));
  EXPECT_FALSE(types.type_value_new("colour"));
  EXPECT_EQ(screen.text(), "Error: Name 'red' already exists\nError: Name 'colour' already exists\n");
  EXPECT_EQ(value_names(types.type_find("colour")), (Names{"red"}));
}

TEST_F(TypeTableTest, FindSearchesAllThreeLayers) {
  build_predefined();
  types.type_new("colour");
  types.build_into(TypeTable::Layer::Imported);
  types.type_new("token");
  types.build_into(TypeTable::Layer::Own);
  EXPECT_EQ(type_names(TypeTable::Layer::Predefined),
            (Names{"boolean", "char", "integer", "real", "string"}));
  EXPECT_EQ(type_names(TypeTable::Layer::Own), (Names{"colour"}));
  EXPECT_EQ(type_names(TypeTable::Layer::Imported), (Names{"token"}));
  for (const char* name : {"boolean", "colour", "token", "string"})
    EXPECT_NE(types.type_find(name), nullptr) << name;
  EXPECT_EQ(types.type_find(""), nullptr);
  EXPECT_EQ(types.type_find("Boolean"), nullptr);
  const TypeRecord* boolean = types.type_find("boolean");
  EXPECT_NE(TypeTable::type_value_find("true", boolean), nullptr);
  EXPECT_EQ(TypeTable::type_value_find("true", types.type_find("colour")), nullptr);
  EXPECT_EQ(TypeTable::type_value_find("", boolean), nullptr);
  EXPECT_EQ(TypeTable::type_value_find("true", nullptr), nullptr);
}

TEST_F(TypeTableTest, ValueTypeFindSearchesTheLayersInOrder) {
  build_predefined();
  types.type_new("relop");
  types.type_value_new("lt");
  types.build_into(TypeTable::Layer::Imported);
  types.type_new("sign");
  types.type_value_new("minus");
  types.build_into(TypeTable::Layer::Own);
  EXPECT_EQ(types.value_type_find("lt"), types.type_find("relop"));
  EXPECT_EQ(types.value_type_find("true"), types.type_find("boolean"));
  EXPECT_EQ(types.value_type_find("minus"), types.type_find("sign"));
  EXPECT_EQ(types.value_type_find("LT"), nullptr);
  EXPECT_EQ(types.value_type_find(""), nullptr);
}

TEST_F(TypeTableTest, ImportedTypesAppendAcrossIncludeFiles) {
  types.build_into(TypeTable::Layer::Imported);
  types.type_new("first");
  types.type_value_new("f1");
  types.build_into(TypeTable::Layer::Own);
  types.type_new("mine");
  types.build_into(TypeTable::Layer::Imported);  // the next include file
  EXPECT_EQ(types.current_type(), types.type_find("first"));
  types.type_value_new("f2");
  types.type_new("second");
  types.build_into(TypeTable::Layer::Own);
  types.type_new("mine2");
  EXPECT_EQ(type_names(TypeTable::Layer::Imported), (Names{"first", "second"}));
  EXPECT_EQ(value_names(types.type_find("first")), (Names{"f1", "f2"}));
  EXPECT_EQ(type_names(TypeTable::Layer::Own), (Names{"mine", "mine2"}));
}

TEST_F(TypeTableTest, PgenPredefinedTypesAreBuiltWithTheReservedTestOff) {
  types.type_new("own");
  symbols.set_reserved_test(true);
  build_predefined();
  EXPECT_TRUE(symbols.reserved_test());
  EXPECT_EQ(screen.text(), "");
  EXPECT_EQ(value_names(types.type_find("boolean")), (Names{"true", "false"}));
  EXPECT_EQ(type_names(TypeTable::Layer::Own), (Names{"own"}));
  types.type_new("own2");  // the own layer goes on behind its last type
  EXPECT_EQ(type_names(TypeTable::Layer::Own), (Names{"own", "own2"}));
}

TEST_F(TypeTableTest, PredefinedCharNeedsTheReservedTestOff) {
  symbols.set_reserved_test(true);
  types.build_into(TypeTable::Layer::Predefined);
  EXPECT_FALSE(types.type_new("char"));
  EXPECT_EQ(screen.text(), "Error: 'char' is a reserved word in ANSI C\n");
}

TEST_F(TypeTableTest, ConstantNamedLikeAPredefinedTypeCollides) {
  symbols.enter("real");  // declared by the specification before the predefined types
  build_predefined();
  EXPECT_EQ(screen.text(), "Error: Name 'real' already exists\n");
  EXPECT_EQ(type_names(TypeTable::Layer::Predefined), (Names{"boolean", "char", "integer", "string"}));
}

TEST_F(TypeTableTest, FreeingRemovesNamesFromTheSymbolTable) {
  build_predefined();
  types.type_new("colour");
  types.type_value_new("red");
  types.types_free(false);
  EXPECT_EQ(types.type_find("colour"), nullptr);
  EXPECT_EQ(symbols.find("colour"), nullptr);
  EXPECT_EQ(symbols.find("red"), nullptr);
  EXPECT_NE(types.type_find("boolean"), nullptr);
  EXPECT_EQ(types.current_type(), nullptr);
  EXPECT_TRUE(types.type_new("colour"));  // the name is free again
  types.types_free(true);
  EXPECT_EQ(types.type_find("boolean"), nullptr);
  EXPECT_EQ(symbols.find("true"), nullptr);
  EXPECT_EQ(symbols.size(), 0u);
}

TEST_F(TypeTableTest, ResetCurrentStartsTheListAgain) {
  types.type_new("a");
  types.reset_current();
  EXPECT_EQ(types.current_type(), nullptr);
  types.type_new("b");
  types.type_new("c");
  EXPECT_EQ(type_names(TypeTable::Layer::Own), (Names{"b", "c", "a"}));
}

}  // namespace
}  // namespace zedra
