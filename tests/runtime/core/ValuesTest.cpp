#include <gtest/gtest.h>

#include "runtime/core/Dictionary.h"
#include "runtime/core/Encodings.h"
#include "runtime/core/Exceptions.h"
#include "runtime/core/Variant.h"

using namespace runtime;

namespace {

class Item : public Object {};

TEST(RuntimeVariant, ReadsBackAsTextAndNumbers) {
    EXPECT_EQ(Variant(2).StringValue().Bytes(), "2");
    EXPECT_EQ(Variant(2.5).StringValue().Bytes(), "2.5");
    EXPECT_EQ(Variant(true).StringValue().Bytes(), "True");
    EXPECT_EQ(Variant().StringValue().Bytes(), "");
    EXPECT_EQ(Variant("12").IntegerValue(), 12);
    EXPECT_EQ(Variant("x").IntegerValue(), 0);
    EXPECT_EQ(Variant(2.9).IntegerValue(), 2);
    EXPECT_EQ(Variant(1e12).IntegerValue(), INT32_MAX);
}

TEST(RuntimeVariant, Objects) {
    auto item = std::make_shared<Item>();
    Variant v(item);
    EXPECT_EQ(v.ObjectValue<Item>(), item);
    EXPECT_EQ(v.ObjectValue<Dictionary>(), nullptr);
    EXPECT_TRUE(Variant(std::shared_ptr<Item>()).IsNil());
    EXPECT_EQ(Variant(3).ObjectValue(), nullptr);
}

TEST(RuntimeDictionary, KeysIgnoreLetterCase) {
    Dictionary d;
    d.SetValue("appName1", "Mail Tool");
    d.SetValue("appCount", 2);
    EXPECT_EQ(d.Value("APPNAME1").StringValue().Bytes(), "Mail Tool");
    EXPECT_EQ(d.Value("appcount").StringValue().Bytes(), "2");
    d.SetValue("APPCOUNT", 3);
    EXPECT_EQ(d.Count(), 2);
    EXPECT_EQ(d.Key(1).StringValue().Bytes(), "appCount");  // the first spelling stays
    EXPECT_EQ(d.Value("appCount").IntegerValue(), 3);
    // Full-width and non-ASCII keys fold too; keys in other encodings match as text.
    d.SetValue("ＡＢＣ書類", "x");
    EXPECT_TRUE(d.HasKey("ａｂｃ書類"));
    EXPECT_TRUE(d.HasKey(String::FromBytes("APPNAME1", Encodings::ShiftJIS())));
    EXPECT_FALSE(d.HasKey("appName"));
}

TEST(RuntimeDictionary, MissingKeysAndRemoval) {
    Dictionary d;
    EXPECT_THROW(d.Value("item"), KeyNotFoundException);
    EXPECT_EQ(d.Lookup("item", "none").StringValue().Bytes(), "none");
    d.SetValue("item", 1);
    d.SetValue("kind", "AS");
    d.SetValue(5, "five");
    EXPECT_EQ(d.Value(5.0).StringValue().Bytes(), "five");
    EXPECT_FALSE(d.HasKey("5"));  // a text key is not a number key
    d.Remove("ITEM");
    EXPECT_FALSE(d.HasKey("item"));
    EXPECT_EQ(d.Count(), 2);
    EXPECT_EQ(d.Key(0).StringValue().Bytes(), "kind");
    EXPECT_EQ(d.Value("Kind").StringValue().Bytes(), "AS");  // index kept right after removal
    EXPECT_EQ(d.Value(5).StringValue().Bytes(), "five");
    EXPECT_THROW(d.Remove("item"), KeyNotFoundException);
    EXPECT_THROW(d.Key(2), OutOfBoundsException);
    EXPECT_THROW(d.Key(-1), OutOfBoundsException);
    d.Clear();
    EXPECT_EQ(d.Count(), 0);
    EXPECT_FALSE(d.HasKey("kind"));
}

TEST(RuntimeExceptions, DerefThrowsOnNil) {
    std::shared_ptr<Dictionary> none;
    EXPECT_THROW(Deref(none), NilObjectException);
    auto d = std::make_shared<Dictionary>();
    EXPECT_EQ(&Deref(d), d.get());
}

}  // namespace
