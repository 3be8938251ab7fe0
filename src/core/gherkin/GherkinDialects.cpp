// This file is generated. Do not edit! Generator: tools/generate_gherkin_dialects.py,
// from data/cucumber/gherkin-languages.json.
// clang-format off

#include "GherkinDialect.h"

#include <string_view>

namespace {

using namespace std::string_view_literals;

constexpr std::u16string_view af_feature[] = {u"Funksie"sv, u"Besigheid Behoefte"sv, u"Vermoë"sv};
constexpr std::u16string_view af_background[] = {u"Agtergrond"sv};
constexpr std::u16string_view af_rule[] = {u"Reël"sv, u"Reel"sv};
constexpr std::u16string_view af_scenario[] = {u"Voorbeeld"sv, u"Situasie"sv};
constexpr std::u16string_view af_scenarioOutline[] = {u"Situasie Uiteensetting"sv};
constexpr std::u16string_view af_examples[] = {u"Voorbeelde"sv};
constexpr GherkinStepKeyword af_steps[] = {
    {u"Wanneer "sv, StepKeywordType::Action},
    {u"Gegewe "sv, StepKeywordType::Context},
    {u"Maar "sv, StepKeywordType::Conjunction},
    {u"Dan "sv, StepKeywordType::Outcome},
    {u"En "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view am_feature[] = {u"Ֆունկցիոնալություն"sv, u"Հատկություն"sv};
constexpr std::u16string_view am_background[] = {u"Կոնտեքստ"sv};
constexpr std::u16string_view am_rule[] = {u"Rule"sv};
constexpr std::u16string_view am_scenario[] = {u"Օրինակ"sv, u"Սցենար"sv};
constexpr std::u16string_view am_scenarioOutline[] = {u"Սցենարի կառուցվացքը"sv};
constexpr std::u16string_view am_examples[] = {u"Օրինակներ"sv};
constexpr GherkinStepKeyword am_steps[] = {
    {u"Դիցուք "sv, StepKeywordType::Context},
    {u"Բայց "sv, StepKeywordType::Conjunction},
    {u"Եթե "sv, StepKeywordType::Action},
    {u"Երբ "sv, StepKeywordType::Action},
    {u"Ապա "sv, StepKeywordType::Outcome},
    {u"Եվ "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view an_feature[] = {u"Caracteristica"sv};
constexpr std::u16string_view an_background[] = {u"Antecedents"sv};
constexpr std::u16string_view an_rule[] = {u"Rule"sv};
constexpr std::u16string_view an_scenario[] = {u"Eixemplo"sv, u"Caso"sv};
constexpr std::u16string_view an_scenarioOutline[] = {u"Esquema del caso"sv};
constexpr std::u16string_view an_examples[] = {u"Eixemplos"sv};
constexpr GherkinStepKeyword an_steps[] = {
    {u"Antonces "sv, StepKeywordType::Outcome},
    {u"Alavez "sv, StepKeywordType::Outcome},
    {u"Allora "sv, StepKeywordType::Outcome},
    {u"Dadas "sv, StepKeywordType::Context},
    {u"Dada "sv, StepKeywordType::Context},
    {u"Daus "sv, StepKeywordType::Context},
    {u"Cuan "sv, StepKeywordType::Action},
    {u"Pero "sv, StepKeywordType::Conjunction},
    {u"Dau "sv, StepKeywordType::Context},
    {u"* "sv, StepKeywordType::Unknown},
    {u"Y "sv, StepKeywordType::Conjunction},
    {u"E "sv, StepKeywordType::Conjunction},
};

constexpr std::u16string_view ar_feature[] = {u"خاصية"sv};
constexpr std::u16string_view ar_background[] = {u"الخلفية"sv};
constexpr std::u16string_view ar_rule[] = {u"Rule"sv};
constexpr std::u16string_view ar_scenario[] = {u"مثال"sv, u"سيناريو"sv};
constexpr std::u16string_view ar_scenarioOutline[] = {u"سيناريو مخطط"sv};
constexpr std::u16string_view ar_examples[] = {u"امثلة"sv};
constexpr GherkinStepKeyword ar_steps[] = {
    {u"عندما "sv, StepKeywordType::Action},
    {u"بفرض "sv, StepKeywordType::Context},
    {u"اذاً "sv, StepKeywordType::Outcome},
    {u"متى "sv, StepKeywordType::Action},
    {u"لكن "sv, StepKeywordType::Conjunction},
    {u"ثم "sv, StepKeywordType::Outcome},
    {u"* "sv, StepKeywordType::Unknown},
    {u"و "sv, StepKeywordType::Conjunction},
};

constexpr std::u16string_view ast_feature[] = {u"Carauterística"sv};
constexpr std::u16string_view ast_background[] = {u"Antecedentes"sv};
constexpr std::u16string_view ast_rule[] = {u"Rule"sv};
constexpr std::u16string_view ast_scenario[] = {u"Exemplo"sv, u"Casu"sv};
constexpr std::u16string_view ast_scenarioOutline[] = {u"Esbozu del casu"sv};
constexpr std::u16string_view ast_examples[] = {u"Exemplos"sv};
constexpr GherkinStepKeyword ast_steps[] = {
    {u"Cuando "sv, StepKeywordType::Action},
    {u"Entós "sv, StepKeywordType::Outcome},
    {u"Dada "sv, StepKeywordType::Context},
    {u"Daos "sv, StepKeywordType::Context},
    {u"Daes "sv, StepKeywordType::Context},
    {u"Peru "sv, StepKeywordType::Conjunction},
    {u"Dáu "sv, StepKeywordType::Context},
    {u"Ya "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
    {u"Y "sv, StepKeywordType::Conjunction},
};

constexpr std::u16string_view az_feature[] = {u"Özəllik"sv};
constexpr std::u16string_view az_background[] = {u"Keçmiş"sv, u"Kontekst"sv};
constexpr std::u16string_view az_rule[] = {u"Rule"sv};
constexpr std::u16string_view az_scenario[] = {u"Nümunə"sv, u"Ssenari"sv};
constexpr std::u16string_view az_scenarioOutline[] = {u"Ssenarinin strukturu"sv};
constexpr std::u16string_view az_examples[] = {u"Nümunələr"sv};
constexpr GherkinStepKeyword az_steps[] = {
    {u"Nə vaxt ki "sv, StepKeywordType::Action},
    {u"Tutaq ki "sv, StepKeywordType::Context},
    {u"Verilir "sv, StepKeywordType::Context},
    {u"O halda "sv, StepKeywordType::Outcome},
    {u"Ancaq "sv, StepKeywordType::Conjunction},
    {u"Əgər "sv, StepKeywordType::Action},
    {u"Amma "sv, StepKeywordType::Conjunction},
    {u"Həm "sv, StepKeywordType::Conjunction},
    {u"Və "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view be_feature[] = {u"Функцыянальнасць"sv, u"Фіча"sv};
constexpr std::u16string_view be_background[] = {u"Кантэкст"sv};
constexpr std::u16string_view be_rule[] = {u"Правілы"sv};
constexpr std::u16string_view be_scenario[] = {u"Сцэнарый"sv, u"Cцэнар"sv};
constexpr std::u16string_view be_scenarioOutline[] = {u"Шаблон сцэнарыя"sv, u"Узор сцэнара"sv};
constexpr std::u16string_view be_examples[] = {u"Прыклады"sv};
constexpr GherkinStepKeyword be_steps[] = {
    {u"Дадзена "sv, StepKeywordType::Context},
    {u"Таксама "sv, StepKeywordType::Conjunction},
    {u"Няхай "sv, StepKeywordType::Context},
    {u"Інакш "sv, StepKeywordType::Conjunction},
    {u"Калі "sv, StepKeywordType::Action},
    {u"Тады "sv, StepKeywordType::Outcome},
    {u"Але "sv, StepKeywordType::Conjunction},
    {u"Ды "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
    {u"I "sv, StepKeywordType::Conjunction},
};

constexpr std::u16string_view bg_feature[] = {u"Функционалност"sv};
constexpr std::u16string_view bg_background[] = {u"Предистория"sv};
constexpr std::u16string_view bg_rule[] = {u"Правило"sv};
constexpr std::u16string_view bg_scenario[] = {u"Пример"sv, u"Сценарий"sv};
constexpr std::u16string_view bg_scenarioOutline[] = {u"Рамка на сценарий"sv};
constexpr std::u16string_view bg_examples[] = {u"Примери"sv};
constexpr GherkinStepKeyword bg_steps[] = {
    {u"Дадено "sv, StepKeywordType::Context},
    {u"Когато "sv, StepKeywordType::Action},
    {u"То "sv, StepKeywordType::Outcome},
    {u"Но "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
    {u"И "sv, StepKeywordType::Conjunction},
};

constexpr std::u16string_view bm_feature[] = {u"Fungsi"sv};
constexpr std::u16string_view bm_background[] = {u"Latar Belakang"sv};
constexpr std::u16string_view bm_rule[] = {u"Rule"sv};
constexpr std::u16string_view bm_scenario[] = {u"Senario"sv, u"Situasi"sv, u"Keadaan"sv};
constexpr std::u16string_view bm_scenarioOutline[] = {u"Kerangka Senario"sv, u"Kerangka Situasi"sv, u"Kerangka Keadaan"sv, u"Garis Panduan Senario"sv};
constexpr std::u16string_view bm_examples[] = {u"Contoh"sv};
constexpr GherkinStepKeyword bm_steps[] = {
    {u"Kemudian "sv, StepKeywordType::Outcome},
    {u"Apabila "sv, StepKeywordType::Action},
    {u"Diberi "sv, StepKeywordType::Context},
    {u"Tetapi "sv, StepKeywordType::Conjunction},
    {u"Bagi "sv, StepKeywordType::Context},
    {u"Maka "sv, StepKeywordType::Outcome},
    {u"Tapi "sv, StepKeywordType::Conjunction},
    {u"Dan "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view bs_feature[] = {u"Karakteristika"sv};
constexpr std::u16string_view bs_background[] = {u"Pozadina"sv};
constexpr std::u16string_view bs_rule[] = {u"Rule"sv};
constexpr std::u16string_view bs_scenario[] = {u"Primjer"sv, u"Scenariju"sv, u"Scenario"sv};
constexpr std::u16string_view bs_scenarioOutline[] = {u"Scenariju-obris"sv, u"Scenario-outline"sv};
constexpr std::u16string_view bs_examples[] = {u"Primjeri"sv};
constexpr GherkinStepKeyword bs_steps[] = {
    {u"Zatim "sv, StepKeywordType::Outcome},
    {u"Dato "sv, StepKeywordType::Context},
    {u"Kada "sv, StepKeywordType::Action},
    {u"Ali "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
    {u"I "sv, StepKeywordType::Conjunction},
    {u"A "sv, StepKeywordType::Conjunction},
};

constexpr std::u16string_view ca_feature[] = {u"Característica"sv, u"Funcionalitat"sv};
constexpr std::u16string_view ca_background[] = {u"Rerefons"sv, u"Antecedents"sv};
constexpr std::u16string_view ca_rule[] = {u"Rule"sv};
constexpr std::u16string_view ca_scenario[] = {u"Exemple"sv, u"Escenari"sv};
constexpr std::u16string_view ca_scenarioOutline[] = {u"Esquema de l'escenari"sv};
constexpr std::u16string_view ca_examples[] = {u"Exemples"sv};
constexpr GherkinStepKeyword ca_steps[] = {
    {u"Aleshores "sv, StepKeywordType::Outcome},
    {u"Donada "sv, StepKeywordType::Context},
    {u"Donat "sv, StepKeywordType::Context},
    {u"Atesa "sv, StepKeywordType::Context},
    {u"Atès "sv, StepKeywordType::Context},
    {u"Quan "sv, StepKeywordType::Action},
    {u"Però "sv, StepKeywordType::Conjunction},
    {u"Cal "sv, StepKeywordType::Outcome},
    {u"* "sv, StepKeywordType::Unknown},
    {u"I "sv, StepKeywordType::Conjunction},
};

constexpr std::u16string_view cs_feature[] = {u"Požadavek"sv};
constexpr std::u16string_view cs_background[] = {u"Pozadí"sv, u"Kontext"sv};
constexpr std::u16string_view cs_rule[] = {u"Pravidlo"sv};
constexpr std::u16string_view cs_scenario[] = {u"Příklad"sv, u"Scénář"sv};
constexpr std::u16string_view cs_scenarioOutline[] = {u"Náčrt Scénáře"sv, u"Osnova scénáře"sv};
constexpr std::u16string_view cs_examples[] = {u"Příklady"sv};
constexpr GherkinStepKeyword cs_steps[] = {
    {u"Za předpokladu "sv, StepKeywordType::Context},
    {u"A také "sv, StepKeywordType::Conjunction},
    {u"Pokud "sv, StepKeywordType::Context},
    {u"Když "sv, StepKeywordType::Action},
    {u"Pak "sv, StepKeywordType::Outcome},
    {u"Ale "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
    {u"A "sv, StepKeywordType::Conjunction},
};

constexpr std::u16string_view cy_GB_feature[] = {u"Arwedd"sv};
constexpr std::u16string_view cy_GB_background[] = {u"Cefndir"sv};
constexpr std::u16string_view cy_GB_rule[] = {u"Rule"sv};
constexpr std::u16string_view cy_GB_scenario[] = {u"Enghraifft"sv, u"Scenario"sv};
constexpr std::u16string_view cy_GB_scenarioOutline[] = {u"Scenario Amlinellol"sv};
constexpr std::u16string_view cy_GB_examples[] = {u"Enghreifftiau"sv};
constexpr GherkinStepKeyword cy_GB_steps[] = {
    {u"Anrhegedig a "sv, StepKeywordType::Context},
    {u"Pryd "sv, StepKeywordType::Action},
    {u"Yna "sv, StepKeywordType::Outcome},
    {u"Ond "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
    {u"A "sv, StepKeywordType::Conjunction},
};

constexpr std::u16string_view da_feature[] = {u"Egenskab"sv};
constexpr std::u16string_view da_background[] = {u"Baggrund"sv};
constexpr std::u16string_view da_rule[] = {u"Regel"sv};
constexpr std::u16string_view da_scenario[] = {u"Eksempel"sv, u"Scenarie"sv};
constexpr std::u16string_view da_scenarioOutline[] = {u"Abstrakt Scenario"sv};
constexpr std::u16string_view da_examples[] = {u"Eksempler"sv};
constexpr GherkinStepKeyword da_steps[] = {
    {u"Givet "sv, StepKeywordType::Context},
    {u"Når "sv, StepKeywordType::Action},
    {u"Men "sv, StepKeywordType::Conjunction},
    {u"Så "sv, StepKeywordType::Outcome},
    {u"Og "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view de_feature[] = {u"Funktionalität"sv, u"Funktion"sv};
constexpr std::u16string_view de_background[] = {u"Grundlage"sv, u"Hintergrund"sv, u"Voraussetzungen"sv, u"Vorbedingungen"sv};
constexpr std::u16string_view de_rule[] = {u"Rule"sv, u"Regel"sv};
constexpr std::u16string_view de_scenario[] = {u"Beispiel"sv, u"Szenario"sv};
constexpr std::u16string_view de_scenarioOutline[] = {u"Szenariogrundriss"sv, u"Szenarien"sv};
constexpr std::u16string_view de_examples[] = {u"Beispiele"sv};
constexpr GherkinStepKeyword de_steps[] = {
    {u"Gegeben seien "sv, StepKeywordType::Context},
    {u"Gegeben sei "sv, StepKeywordType::Context},
    {u"Angenommen "sv, StepKeywordType::Context},
    {u"Wenn "sv, StepKeywordType::Action},
    {u"Dann "sv, StepKeywordType::Outcome},
    {u"Aber "sv, StepKeywordType::Conjunction},
    {u"Und "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view el_feature[] = {u"Δυνατότητα"sv, u"Λειτουργία"sv};
constexpr std::u16string_view el_background[] = {u"Υπόβαθρο"sv};
constexpr std::u16string_view el_rule[] = {u"Rule"sv};
constexpr std::u16string_view el_scenario[] = {u"Παράδειγμα"sv, u"Σενάριο"sv};
constexpr std::u16string_view el_scenarioOutline[] = {u"Περιγραφή Σεναρίου"sv, u"Περίγραμμα Σεναρίου"sv};
constexpr std::u16string_view el_examples[] = {u"Παραδείγματα"sv, u"Σενάρια"sv};
constexpr GherkinStepKeyword el_steps[] = {
    {u"Δεδομένου "sv, StepKeywordType::Context},
    {u"Όταν "sv, StepKeywordType::Action},
    {u"Τότε "sv, StepKeywordType::Outcome},
    {u"Αλλά "sv, StepKeywordType::Conjunction},
    {u"Και "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view em_feature[] = {u"📚"sv};
constexpr std::u16string_view em_background[] = {u"💤"sv};
constexpr std::u16string_view em_rule[] = {u"Rule"sv};
constexpr std::u16string_view em_scenario[] = {u"🥒"sv, u"📕"sv};
constexpr std::u16string_view em_scenarioOutline[] = {u"📖"sv};
constexpr std::u16string_view em_examples[] = {u"📓"sv};
constexpr GherkinStepKeyword em_steps[] = {
    {u"* "sv, StepKeywordType::Unknown},
    {u"😐"sv, StepKeywordType::Context},
    {u"🎬"sv, StepKeywordType::Action},
    {u"🙏"sv, StepKeywordType::Outcome},
    {u"😂"sv, StepKeywordType::Conjunction},
    {u"😔"sv, StepKeywordType::Conjunction},
};

constexpr std::u16string_view en_feature[] = {u"Feature"sv, u"Business Need"sv, u"Ability"sv};
constexpr std::u16string_view en_background[] = {u"Background"sv};
constexpr std::u16string_view en_rule[] = {u"Rule"sv};
constexpr std::u16string_view en_scenario[] = {u"Example"sv, u"Scenario"sv};
constexpr std::u16string_view en_scenarioOutline[] = {u"Scenario Outline"sv, u"Scenario Template"sv};
constexpr std::u16string_view en_examples[] = {u"Examples"sv, u"Scenarios"sv};
constexpr GherkinStepKeyword en_steps[] = {
    {u"Given "sv, StepKeywordType::Context},
    {u"When "sv, StepKeywordType::Action},
    {u"Then "sv, StepKeywordType::Outcome},
    {u"And "sv, StepKeywordType::Conjunction},
    {u"But "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view en_Scouse_feature[] = {u"Feature"sv};
constexpr std::u16string_view en_Scouse_background[] = {u"Dis is what went down"sv};
constexpr std::u16string_view en_Scouse_rule[] = {u"Rule"sv};
constexpr std::u16string_view en_Scouse_scenario[] = {u"The thing of it is"sv};
constexpr std::u16string_view en_Scouse_scenarioOutline[] = {u"Wharrimean is"sv};
constexpr std::u16string_view en_Scouse_examples[] = {u"Examples"sv};
constexpr GherkinStepKeyword en_Scouse_steps[] = {
    {u"Youse know when youse got "sv, StepKeywordType::Context},
    {u"Youse know like when "sv, StepKeywordType::Action},
    {u"Den youse gotta "sv, StepKeywordType::Outcome},
    {u"Givun "sv, StepKeywordType::Context},
    {u"Wun "sv, StepKeywordType::Action},
    {u"Dun "sv, StepKeywordType::Outcome},
    {u"Buh "sv, StepKeywordType::Conjunction},
    {u"An "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view en_au_feature[] = {u"Pretty much"sv};
constexpr std::u16string_view en_au_background[] = {u"First off"sv};
constexpr std::u16string_view en_au_rule[] = {u"Rule"sv};
constexpr std::u16string_view en_au_scenario[] = {u"Awww, look mate"sv};
constexpr std::u16string_view en_au_scenarioOutline[] = {u"Reckon it's like"sv};
constexpr std::u16string_view en_au_examples[] = {u"You'll wanna"sv};
constexpr GherkinStepKeyword en_au_steps[] = {
    {u"But at the end of the day I reckon "sv, StepKeywordType::Outcome},
    {u"It's just unbelievable "sv, StepKeywordType::Action},
    {u"Too right "sv, StepKeywordType::Conjunction},
    {u"Yeah nah "sv, StepKeywordType::Conjunction},
    {u"Y'know "sv, StepKeywordType::Context},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view en_lol_feature[] = {u"OH HAI"sv};
constexpr std::u16string_view en_lol_background[] = {u"B4"sv};
constexpr std::u16string_view en_lol_rule[] = {u"Rule"sv};
constexpr std::u16string_view en_lol_scenario[] = {u"MISHUN"sv};
constexpr std::u16string_view en_lol_scenarioOutline[] = {u"MISHUN SRSLY"sv};
constexpr std::u16string_view en_lol_examples[] = {u"EXAMPLZ"sv};
constexpr GherkinStepKeyword en_lol_steps[] = {
    {u"I CAN HAZ "sv, StepKeywordType::Context},
    {u"WEN "sv, StepKeywordType::Action},
    {u"DEN "sv, StepKeywordType::Outcome},
    {u"BUT "sv, StepKeywordType::Conjunction},
    {u"AN "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view en_old_feature[] = {u"Hwaet"sv, u"Hwæt"sv};
constexpr std::u16string_view en_old_background[] = {u"Aer"sv, u"Ær"sv};
constexpr std::u16string_view en_old_rule[] = {u"Rule"sv};
constexpr std::u16string_view en_old_scenario[] = {u"Swa"sv};
constexpr std::u16string_view en_old_scenarioOutline[] = {u"Swa hwaer swa"sv, u"Swa hwær swa"sv};
constexpr std::u16string_view en_old_examples[] = {u"Se the"sv, u"Se þe"sv, u"Se ðe"sv};
constexpr GherkinStepKeyword en_old_steps[] = {
    {u"Bæþsealfa "sv, StepKeywordType::Action},
    {u"Bæþsealfe "sv, StepKeywordType::Action},
    {u"Bæþsealf "sv, StepKeywordType::Action},
    {u"Ciricæwe "sv, StepKeywordType::Action},
    {u"Ciricæwa "sv, StepKeywordType::Action},
    {u"Ciricæw "sv, StepKeywordType::Action},
    {u"Tha the "sv, StepKeywordType::Outcome},
    {u"Thurh "sv, StepKeywordType::Context},
    {u"Þa þe "sv, StepKeywordType::Outcome},
    {u"Ða ðe "sv, StepKeywordType::Outcome},
    {u"Þurh "sv, StepKeywordType::Context},
    {u"Ðurh "sv, StepKeywordType::Context},
    {u"Tha "sv, StepKeywordType::Outcome},
    {u"Ond "sv, StepKeywordType::Conjunction},
    {u"Þa "sv, StepKeywordType::Outcome},
    {u"Ða "sv, StepKeywordType::Outcome},
    {u"Ac "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
    {u"7 "sv, StepKeywordType::Conjunction},
};

constexpr std::u16string_view en_pirate_feature[] = {u"Ahoy matey!"sv};
constexpr std::u16string_view en_pirate_background[] = {u"Yo-ho-ho"sv};
constexpr std::u16string_view en_pirate_rule[] = {u"Rule"sv};
constexpr std::u16string_view en_pirate_scenario[] = {u"Heave to"sv};
constexpr std::u16string_view en_pirate_scenarioOutline[] = {u"Shiver me timbers"sv};
constexpr std::u16string_view en_pirate_examples[] = {u"Dead men tell no tales"sv};
constexpr GherkinStepKeyword en_pirate_steps[] = {
    {u"Let go and haul "sv, StepKeywordType::Outcome},
    {u"Gangway! "sv, StepKeywordType::Context},
    {u"Blimey! "sv, StepKeywordType::Action},
    {u"Avast! "sv, StepKeywordType::Conjunction},
    {u"Aye "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view en_tx_feature[] = {u"This ain’t my first rodeo"sv, u"All gussied up"sv};
constexpr std::u16string_view en_tx_background[] = {u"Lemme tell y'all a story"sv};
constexpr std::u16string_view en_tx_rule[] = {u"Rule"sv};
constexpr std::u16string_view en_tx_scenario[] = {u"All hat and no cattle"sv};
constexpr std::u16string_view en_tx_scenarioOutline[] = {u"Serious as a snake bite"sv, u"Busy as a hound in flea season"sv};
constexpr std::u16string_view en_tx_examples[] = {u"Now that's a story longer than a cattle drive in July"sv};
constexpr GherkinStepKeyword en_tx_steps[] = {
    {u"There’s no tree but bears some fruit "sv, StepKeywordType::Outcome},
    {u"Well now hold on, I'll you what "sv, StepKeywordType::Conjunction},
    {u"Come hell or high water "sv, StepKeywordType::Conjunction},
    {u"Quick out of the chute "sv, StepKeywordType::Action},
    {u"All git out "sv, StepKeywordType::Context},
    {u"Fixin' to "sv, StepKeywordType::Context},
};

constexpr std::u16string_view eo_feature[] = {u"Trajto"sv};
constexpr std::u16string_view eo_background[] = {u"Fono"sv};
constexpr std::u16string_view eo_rule[] = {u"Regulo"sv};
constexpr std::u16string_view eo_scenario[] = {u"Ekzemplo"sv, u"Scenaro"sv, u"Kazo"sv};
constexpr std::u16string_view eo_scenarioOutline[] = {u"Konturo de la scenaro"sv, u"Skizo"sv, u"Kazo-skizo"sv};
constexpr std::u16string_view eo_examples[] = {u"Ekzemploj"sv};
constexpr GherkinStepKeyword eo_steps[] = {
    {u"Donitaĵo "sv, StepKeywordType::Context},
    {u"Komence "sv, StepKeywordType::Context},
    {u"Kaj "sv, StepKeywordType::Conjunction},
    {u"Sed "sv, StepKeywordType::Conjunction},
    {u"Se "sv, StepKeywordType::Action},
    {u"Do "sv, StepKeywordType::Outcome},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view es_feature[] = {u"Característica"sv, u"Necesidad del negocio"sv, u"Requisito"sv};
constexpr std::u16string_view es_background[] = {u"Antecedentes"sv};
constexpr std::u16string_view es_rule[] = {u"Regla"sv, u"Regla de negocio"sv};
constexpr std::u16string_view es_scenario[] = {u"Ejemplo"sv, u"Escenario"sv};
constexpr std::u16string_view es_scenarioOutline[] = {u"Esquema del escenario"sv};
constexpr std::u16string_view es_examples[] = {u"Ejemplos"sv};
constexpr GherkinStepKeyword es_steps[] = {
    {u"Entonces "sv, StepKeywordType::Outcome},
    {u"Cuando "sv, StepKeywordType::Action},
    {u"Dados "sv, StepKeywordType::Context},
    {u"Dadas "sv, StepKeywordType::Context},
    {u"Dado "sv, StepKeywordType::Context},
    {u"Dada "sv, StepKeywordType::Context},
    {u"Pero "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
    {u"Y "sv, StepKeywordType::Conjunction},
    {u"E "sv, StepKeywordType::Conjunction},
};

constexpr std::u16string_view et_feature[] = {u"Omadus"sv};
constexpr std::u16string_view et_background[] = {u"Taust"sv};
constexpr std::u16string_view et_rule[] = {u"Reegel"sv};
constexpr std::u16string_view et_scenario[] = {u"Juhtum"sv, u"Stsenaarium"sv};
constexpr std::u16string_view et_scenarioOutline[] = {u"Raamjuhtum"sv, u"Raamstsenaarium"sv};
constexpr std::u16string_view et_examples[] = {u"Juhtumid"sv};
constexpr GherkinStepKeyword et_steps[] = {
    {u"Eeldades "sv, StepKeywordType::Context},
    {u"Siis "sv, StepKeywordType::Outcome},
    {u"Kuid "sv, StepKeywordType::Conjunction},
    {u"Kui "sv, StepKeywordType::Action},
    {u"Ja "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view fa_feature[] = {u"ویژگی"sv, u"قابلیت"sv};
constexpr std::u16string_view fa_background[] = {u"زمینه"sv, u"پیش زمینه"sv, u"مقدمات"sv};
constexpr std::u16string_view fa_rule[] = {u"قانون"sv};
constexpr std::u16string_view fa_scenario[] = {u"مثال"sv, u"سناریو"sv};
constexpr std::u16string_view fa_scenarioOutline[] = {u"الگوی سناریو"sv};
constexpr std::u16string_view fa_examples[] = {u"نمونه ها"sv};
constexpr GherkinStepKeyword fa_steps[] = {
    {u"با در نظر گرفتن "sv, StepKeywordType::Context},
    {u"انتظار می رود "sv, StepKeywordType::Outcome},
    {u"فرض کنید "sv, StepKeywordType::Context},
    {u"با فرض "sv, StepKeywordType::Context},
    {u"هنگامی "sv, StepKeywordType::Action},
    {u"آنگاه "sv, StepKeywordType::Outcome},
    {u"وقتی "sv, StepKeywordType::Action},
    {u"سپس "sv, StepKeywordType::Outcome},
    {u"اما "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
    {u"و "sv, StepKeywordType::Conjunction},
};

constexpr std::u16string_view fi_feature[] = {u"Ominaisuus"sv};
constexpr std::u16string_view fi_background[] = {u"Tausta"sv};
constexpr std::u16string_view fi_rule[] = {u"Rule"sv};
constexpr std::u16string_view fi_scenario[] = {u"Tapaus"sv};
constexpr std::u16string_view fi_scenarioOutline[] = {u"Tapausaihio"sv};
constexpr std::u16string_view fi_examples[] = {u"Tapaukset"sv};
constexpr GherkinStepKeyword fi_steps[] = {
    {u"Oletetaan "sv, StepKeywordType::Context},
    {u"Mutta "sv, StepKeywordType::Conjunction},
    {u"Niin "sv, StepKeywordType::Outcome},
    {u"Kun "sv, StepKeywordType::Action},
    {u"Ja "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view fr_feature[] = {u"Fonctionnalité"sv};
constexpr std::u16string_view fr_background[] = {u"Contexte"sv};
constexpr std::u16string_view fr_rule[] = {u"Règle"sv};
constexpr std::u16string_view fr_scenario[] = {u"Exemple"sv, u"Scénario"sv};
constexpr std::u16string_view fr_scenarioOutline[] = {u"Plan du scénario"sv, u"Plan du Scénario"sv};
constexpr std::u16string_view fr_examples[] = {u"Exemples"sv};
constexpr GherkinStepKeyword fr_steps[] = {
    {u"Etant donné que "sv, StepKeywordType::Context},
    {u"Étant donné que "sv, StepKeywordType::Context},
    {u"Etant donné qu'"sv, StepKeywordType::Context},
    {u"Étant donné qu'"sv, StepKeywordType::Context},
    {u"Etant données "sv, StepKeywordType::Context},
    {u"Étant données "sv, StepKeywordType::Context},
    {u"Etant donnée "sv, StepKeywordType::Context},
    {u"Etant donnés "sv, StepKeywordType::Context},
    {u"Étant donnée "sv, StepKeywordType::Context},
    {u"Étant donnés "sv, StepKeywordType::Context},
    {u"Sachant que "sv, StepKeywordType::Context},
    {u"Etant donné "sv, StepKeywordType::Context},
    {u"Étant donné "sv, StepKeywordType::Context},
    {u"Sachant qu'"sv, StepKeywordType::Context},
    {u"Mais que "sv, StepKeywordType::Conjunction},
    {u"Sachant "sv, StepKeywordType::Context},
    {u"Lorsque "sv, StepKeywordType::Action},
    {u"Mais qu'"sv, StepKeywordType::Conjunction},
    {u"Lorsqu'"sv, StepKeywordType::Action},
    {u"Et que "sv, StepKeywordType::Conjunction},
    {u"Quand "sv, StepKeywordType::Action},
    {u"Alors "sv, StepKeywordType::Outcome},
    {u"Et qu'"sv, StepKeywordType::Conjunction},
    {u"Soit "sv, StepKeywordType::Context},
    {u"Donc "sv, StepKeywordType::Outcome},
    {u"Mais "sv, StepKeywordType::Conjunction},
    {u"Et "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view ga_feature[] = {u"Gné"sv};
constexpr std::u16string_view ga_background[] = {u"Cúlra"sv};
constexpr std::u16string_view ga_rule[] = {u"Riail"sv};
constexpr std::u16string_view ga_scenario[] = {u"Sampla"sv, u"Cás"sv};
constexpr std::u16string_view ga_scenarioOutline[] = {u"Cás Achomair"sv};
constexpr std::u16string_view ga_examples[] = {u"Samplaí"sv};
constexpr GherkinStepKeyword ga_steps[] = {
    {u"Cuir i gcás nach "sv, StepKeywordType::Context},
    {u"Cuir i gcás gur "sv, StepKeywordType::Context},
    {u"Cuir i gcás nár "sv, StepKeywordType::Context},
    {u"Cuir i gcás go "sv, StepKeywordType::Context},
    {u"Nuair nach "sv, StepKeywordType::Action},
    {u"Nuair nár "sv, StepKeywordType::Action},
    {u"Nuair ba "sv, StepKeywordType::Action},
    {u"Nuair a "sv, StepKeywordType::Action},
    {u"Ansin "sv, StepKeywordType::Outcome},
    {u"Agus "sv, StepKeywordType::Conjunction},
    {u"Ach "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view gj_feature[] = {u"લક્ષણ"sv, u"વ્યાપાર જરૂર"sv, u"ક્ષમતા"sv};
constexpr std::u16string_view gj_background[] = {u"બેકગ્રાઉન્ડ"sv};
constexpr std::u16string_view gj_rule[] = {u"નિયમ"sv};
constexpr std::u16string_view gj_scenario[] = {u"ઉદાહરણ"sv, u"સ્થિતિ"sv};
constexpr std::u16string_view gj_scenarioOutline[] = {u"પરિદ્દશ્ય રૂપરેખા"sv, u"પરિદ્દશ્ય ઢાંચો"sv};
constexpr std::u16string_view gj_examples[] = {u"ઉદાહરણો"sv};
constexpr GherkinStepKeyword gj_steps[] = {
    {u"આપેલ છે "sv, StepKeywordType::Context},
    {u"ક્યારે "sv, StepKeywordType::Action},
    {u"પછી "sv, StepKeywordType::Outcome},
    {u"અને "sv, StepKeywordType::Conjunction},
    {u"પણ "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view gl_feature[] = {u"Característica"sv};
constexpr std::u16string_view gl_background[] = {u"Contexto"sv};
constexpr std::u16string_view gl_rule[] = {u"Rule"sv};
constexpr std::u16string_view gl_scenario[] = {u"Exemplo"sv, u"Escenario"sv};
constexpr std::u16string_view gl_scenarioOutline[] = {u"Esbozo do escenario"sv};
constexpr std::u16string_view gl_examples[] = {u"Exemplos"sv};
constexpr GherkinStepKeyword gl_steps[] = {
    {u"Dados "sv, StepKeywordType::Context},
    {u"Dadas "sv, StepKeywordType::Context},
    {u"Cando "sv, StepKeywordType::Action},
    {u"Entón "sv, StepKeywordType::Outcome},
    {u"Dado "sv, StepKeywordType::Context},
    {u"Dada "sv, StepKeywordType::Context},
    {u"Logo "sv, StepKeywordType::Outcome},
    {u"Mais "sv, StepKeywordType::Conjunction},
    {u"Pero "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
    {u"E "sv, StepKeywordType::Conjunction},
};

constexpr std::u16string_view he_feature[] = {u"תכונה"sv};
constexpr std::u16string_view he_background[] = {u"רקע"sv};
constexpr std::u16string_view he_rule[] = {u"כלל"sv};
constexpr std::u16string_view he_scenario[] = {u"דוגמא"sv, u"תרחיש"sv};
constexpr std::u16string_view he_scenarioOutline[] = {u"תבנית תרחיש"sv};
constexpr std::u16string_view he_examples[] = {u"דוגמאות"sv};
constexpr GherkinStepKeyword he_steps[] = {
    {u"בהינתן "sv, StepKeywordType::Context},
    {u"כאשר "sv, StepKeywordType::Action},
    {u"אזי "sv, StepKeywordType::Outcome},
    {u"וגם "sv, StepKeywordType::Conjunction},
    {u"אבל "sv, StepKeywordType::Conjunction},
    {u"אז "sv, StepKeywordType::Outcome},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view hi_feature[] = {u"रूप लेख"sv};
constexpr std::u16string_view hi_background[] = {u"पृष्ठभूमि"sv};
constexpr std::u16string_view hi_rule[] = {u"नियम"sv};
constexpr std::u16string_view hi_scenario[] = {u"परिदृश्य"sv};
constexpr std::u16string_view hi_scenarioOutline[] = {u"परिदृश्य रूपरेखा"sv};
constexpr std::u16string_view hi_examples[] = {u"उदाहरण"sv};
constexpr GherkinStepKeyword hi_steps[] = {
    {u"परन्तु "sv, StepKeywordType::Conjunction},
    {u"किन्तु "sv, StepKeywordType::Conjunction},
    {u"चूंकि "sv, StepKeywordType::Context},
    {u"अगर "sv, StepKeywordType::Context},
    {u"यदि "sv, StepKeywordType::Context},
    {u"कदा "sv, StepKeywordType::Action},
    {u"तदा "sv, StepKeywordType::Outcome},
    {u"तथा "sv, StepKeywordType::Conjunction},
    {u"जब "sv, StepKeywordType::Action},
    {u"तब "sv, StepKeywordType::Outcome},
    {u"और "sv, StepKeywordType::Conjunction},
    {u"पर "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view hr_feature[] = {u"Osobina"sv, u"Mogućnost"sv, u"Mogucnost"sv};
constexpr std::u16string_view hr_background[] = {u"Pozadina"sv};
constexpr std::u16string_view hr_rule[] = {u"Rule"sv};
constexpr std::u16string_view hr_scenario[] = {u"Primjer"sv, u"Scenarij"sv};
constexpr std::u16string_view hr_scenarioOutline[] = {u"Skica"sv, u"Koncept"sv};
constexpr std::u16string_view hr_examples[] = {u"Primjeri"sv, u"Scenariji"sv};
constexpr GherkinStepKeyword hr_steps[] = {
    {u"Ukoliko "sv, StepKeywordType::Context},
    {u"Zadani "sv, StepKeywordType::Context},
    {u"Zadano "sv, StepKeywordType::Context},
    {u"Zadan "sv, StepKeywordType::Context},
    {u"Kada "sv, StepKeywordType::Action},
    {u"Onda "sv, StepKeywordType::Outcome},
    {u"Kad "sv, StepKeywordType::Action},
    {u"Ali "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
    {u"I "sv, StepKeywordType::Conjunction},
};

constexpr std::u16string_view ht_feature[] = {u"Karakteristik"sv, u"Mak"sv, u"Fonksyonalite"sv};
constexpr std::u16string_view ht_background[] = {u"Kontèks"sv, u"Istorik"sv};
constexpr std::u16string_view ht_rule[] = {u"Rule"sv};
constexpr std::u16string_view ht_scenario[] = {u"Senaryo"sv};
constexpr std::u16string_view ht_scenarioOutline[] = {u"Plan senaryo"sv, u"Plan Senaryo"sv, u"Senaryo deskripsyon"sv, u"Senaryo Deskripsyon"sv, u"Dyagram senaryo"sv, u"Dyagram Senaryo"sv};
constexpr std::u16string_view ht_examples[] = {u"Egzanp"sv};
constexpr GherkinStepKeyword ht_steps[] = {
    {u"Sipoze ke "sv, StepKeywordType::Context},
    {u"Sipoze Ke "sv, StepKeywordType::Context},
    {u"Lè sa a "sv, StepKeywordType::Outcome},
    {u"Le sa a "sv, StepKeywordType::Outcome},
    {u"Sipoze "sv, StepKeywordType::Context},
    {u"Epi "sv, StepKeywordType::Conjunction},
    {u"Men "sv, StepKeywordType::Conjunction},
    {u"Lè "sv, StepKeywordType::Action},
    {u"Le "sv, StepKeywordType::Action},
    {u"Ak "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
    {u"E "sv, StepKeywordType::Conjunction},
};

constexpr std::u16string_view hu_feature[] = {u"Jellemző"sv};
constexpr std::u16string_view hu_background[] = {u"Háttér"sv};
constexpr std::u16string_view hu_rule[] = {u"Szabály"sv};
constexpr std::u16string_view hu_scenario[] = {u"Példa"sv, u"Forgatókönyv"sv};
constexpr std::u16string_view hu_scenarioOutline[] = {u"Forgatókönyv vázlat"sv};
constexpr std::u16string_view hu_examples[] = {u"Példák"sv};
constexpr GherkinStepKeyword hu_steps[] = {
    {u"Amennyiben "sv, StepKeywordType::Context},
    {u"Amikor "sv, StepKeywordType::Action},
    {u"Adott "sv, StepKeywordType::Context},
    {u"Akkor "sv, StepKeywordType::Outcome},
    {u"Majd "sv, StepKeywordType::Action},
    {u"Ha "sv, StepKeywordType::Action},
    {u"És "sv, StepKeywordType::Conjunction},
    {u"De "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view id_feature[] = {u"Fitur"sv};
constexpr std::u16string_view id_background[] = {u"Dasar"sv, u"Latar Belakang"sv};
constexpr std::u16string_view id_rule[] = {u"Rule"sv, u"Aturan"sv};
constexpr std::u16string_view id_scenario[] = {u"Skenario"sv};
constexpr std::u16string_view id_scenarioOutline[] = {u"Skenario konsep"sv, u"Garis-Besar Skenario"sv};
constexpr std::u16string_view id_examples[] = {u"Contoh"sv, u"Misal"sv};
constexpr GherkinStepKeyword id_steps[] = {
    {u"Diasumsikan "sv, StepKeywordType::Context},
    {u"Diketahui "sv, StepKeywordType::Context},
    {u"Kemudian "sv, StepKeywordType::Outcome},
    {u"Dengan "sv, StepKeywordType::Context},
    {u"Ketika "sv, StepKeywordType::Action},
    {u"Tetapi "sv, StepKeywordType::Conjunction},
    {u"Bila "sv, StepKeywordType::Context},
    {u"Jika "sv, StepKeywordType::Context},
    {u"Maka "sv, StepKeywordType::Outcome},
    {u"Tapi "sv, StepKeywordType::Conjunction},
    {u"Dan "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view is_feature[] = {u"Eiginleiki"sv};
constexpr std::u16string_view is_background[] = {u"Bakgrunnur"sv};
constexpr std::u16string_view is_rule[] = {u"Rule"sv};
constexpr std::u16string_view is_scenario[] = {u"Atburðarás"sv};
constexpr std::u16string_view is_scenarioOutline[] = {u"Lýsing Atburðarásar"sv, u"Lýsing Dæma"sv};
constexpr std::u16string_view is_examples[] = {u"Dæmi"sv, u"Atburðarásir"sv};
constexpr GherkinStepKeyword is_steps[] = {
    {u"Þegar "sv, StepKeywordType::Action},
    {u"Ef "sv, StepKeywordType::Context},
    {u"Þá "sv, StepKeywordType::Outcome},
    {u"Og "sv, StepKeywordType::Conjunction},
    {u"En "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view it_feature[] = {u"Funzionalità"sv, u"Esigenza di Business"sv, u"Abilità"sv};
constexpr std::u16string_view it_background[] = {u"Contesto"sv};
constexpr std::u16string_view it_rule[] = {u"Regola"sv};
constexpr std::u16string_view it_scenario[] = {u"Esempio"sv, u"Scenario"sv};
constexpr std::u16string_view it_scenarioOutline[] = {u"Schema dello scenario"sv};
constexpr std::u16string_view it_examples[] = {u"Esempi"sv};
constexpr GherkinStepKeyword it_steps[] = {
    {u"Quando "sv, StepKeywordType::Action},
    {u"Allora "sv, StepKeywordType::Outcome},
    {u"Dato "sv, StepKeywordType::Context},
    {u"Data "sv, StepKeywordType::Context},
    {u"Dati "sv, StepKeywordType::Context},
    {u"Date "sv, StepKeywordType::Context},
    {u"Ed "sv, StepKeywordType::Conjunction},
    {u"Ma "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
    {u"E "sv, StepKeywordType::Conjunction},
};

constexpr std::u16string_view ja_feature[] = {u"フィーチャ"sv, u"機能"sv};
constexpr std::u16string_view ja_background[] = {u"背景"sv};
constexpr std::u16string_view ja_rule[] = {u"ルール"sv};
constexpr std::u16string_view ja_scenario[] = {u"シナリオ"sv};
constexpr std::u16string_view ja_scenarioOutline[] = {u"シナリオアウトライン"sv, u"シナリオテンプレート"sv, u"テンプレ"sv, u"シナリオテンプレ"sv};
constexpr std::u16string_view ja_examples[] = {u"例"sv, u"サンプル"sv};
constexpr GherkinStepKeyword ja_steps[] = {
    {u"ならば"sv, StepKeywordType::Outcome},
    {u"しかし"sv, StepKeywordType::Conjunction},
    {u"ただし"sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
    {u"前提"sv, StepKeywordType::Context},
    {u"もし"sv, StepKeywordType::Action},
    {u"且つ"sv, StepKeywordType::Conjunction},
    {u"かつ"sv, StepKeywordType::Conjunction},
    {u"然し"sv, StepKeywordType::Conjunction},
    {u"但し"sv, StepKeywordType::Conjunction},
};

constexpr std::u16string_view jv_feature[] = {u"Fitur"sv};
constexpr std::u16string_view jv_background[] = {u"Dasar"sv};
constexpr std::u16string_view jv_rule[] = {u"Rule"sv};
constexpr std::u16string_view jv_scenario[] = {u"Skenario"sv};
constexpr std::u16string_view jv_scenarioOutline[] = {u"Konsep skenario"sv};
constexpr std::u16string_view jv_examples[] = {u"Conto"sv, u"Contone"sv};
constexpr GherkinStepKeyword jv_steps[] = {
    {u"Nalikaning "sv, StepKeywordType::Context},
    {u"Ananging "sv, StepKeywordType::Conjunction},
    {u"Nanging "sv, StepKeywordType::Conjunction},
    {u"Nalika "sv, StepKeywordType::Context},
    {u"Manawa "sv, StepKeywordType::Action},
    {u"Menawa "sv, StepKeywordType::Action},
    {u"Banjur "sv, StepKeywordType::Outcome},
    {u"Njuk "sv, StepKeywordType::Outcome},
    {u"Tapi "sv, StepKeywordType::Conjunction},
    {u"Lan "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view ka_feature[] = {u"თვისება"sv, u"მოთხოვნა"sv};
constexpr std::u16string_view ka_background[] = {u"კონტექსტი"sv};
constexpr std::u16string_view ka_rule[] = {u"წესი"sv};
constexpr std::u16string_view ka_scenario[] = {u"მაგალითად"sv, u"მაგალითი"sv, u"მაგ"sv, u"სცენარი"sv};
constexpr std::u16string_view ka_scenarioOutline[] = {u"სცენარის ნიმუში"sv, u"სცენარის შაბლონი"sv, u"ნიმუში"sv, u"შაბლონი"sv};
constexpr std::u16string_view ka_examples[] = {u"მაგალითები"sv};
constexpr GherkinStepKeyword ka_steps[] = {
    {u"მოცემულია "sv, StepKeywordType::Context},
    {u"როგორც კი "sv, StepKeywordType::Action},
    {u"მოცემული "sv, StepKeywordType::Context},
    {u"როდესაც "sv, StepKeywordType::Action},
    {u"ვთქვათ "sv, StepKeywordType::Context},
    {u"მაგრამ "sv, StepKeywordType::Conjunction},
    {u"მაშინ "sv, StepKeywordType::Outcome},
    {u"ასევე "sv, StepKeywordType::Conjunction},
    {u"თუმცა "sv, StepKeywordType::Conjunction},
    {u"როცა "sv, StepKeywordType::Action},
    {u"თუ "sv, StepKeywordType::Action},
    {u"და "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view kn_feature[] = {u"ಹೆಚ್ಚಳ"sv};
constexpr std::u16string_view kn_background[] = {u"ಹಿನ್ನೆಲೆ"sv};
constexpr std::u16string_view kn_rule[] = {u"Rule"sv};
constexpr std::u16string_view kn_scenario[] = {u"ಉದಾಹರಣೆ"sv, u"ಕಥಾಸಾರಾಂಶ"sv};
constexpr std::u16string_view kn_scenarioOutline[] = {u"ವಿವರಣೆ"sv};
constexpr std::u16string_view kn_examples[] = {u"ಉದಾಹರಣೆಗಳು"sv};
constexpr GherkinStepKeyword kn_steps[] = {
    {u"ಸ್ಥಿತಿಯನ್ನು "sv, StepKeywordType::Action},
    {u"ನೀಡಿದ "sv, StepKeywordType::Context},
    {u"ಮತ್ತು "sv, StepKeywordType::Conjunction},
    {u"ನಂತರ "sv, StepKeywordType::Outcome},
    {u"ಆದರೆ "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view ko_feature[] = {u"기능"sv};
constexpr std::u16string_view ko_background[] = {u"배경"sv};
constexpr std::u16string_view ko_rule[] = {u"규칙"sv};
constexpr std::u16string_view ko_scenario[] = {u"시나리오"sv};
constexpr std::u16string_view ko_scenarioOutline[] = {u"시나리오 개요"sv};
constexpr std::u16string_view ko_examples[] = {u"예"sv};
constexpr GherkinStepKeyword ko_steps[] = {
    {u"그러면 "sv, StepKeywordType::Outcome},
    {u"그리고 "sv, StepKeywordType::Conjunction},
    {u"하지만 "sv, StepKeywordType::Conjunction},
    {u"조건 "sv, StepKeywordType::Context},
    {u"먼저 "sv, StepKeywordType::Context},
    {u"만일 "sv, StepKeywordType::Action},
    {u"만약 "sv, StepKeywordType::Action},
    {u"* "sv, StepKeywordType::Unknown},
    {u"단 "sv, StepKeywordType::Conjunction},
};

constexpr std::u16string_view lt_feature[] = {u"Savybė"sv};
constexpr std::u16string_view lt_background[] = {u"Kontekstas"sv};
constexpr std::u16string_view lt_rule[] = {u"Rule"sv};
constexpr std::u16string_view lt_scenario[] = {u"Pavyzdys"sv, u"Scenarijus"sv};
constexpr std::u16string_view lt_scenarioOutline[] = {u"Scenarijaus šablonas"sv};
constexpr std::u16string_view lt_examples[] = {u"Pavyzdžiai"sv, u"Scenarijai"sv, u"Variantai"sv};
constexpr GherkinStepKeyword lt_steps[] = {
    {u"Duota "sv, StepKeywordType::Context},
    {u"Tada "sv, StepKeywordType::Outcome},
    {u"Kai "sv, StepKeywordType::Action},
    {u"Bet "sv, StepKeywordType::Conjunction},
    {u"Ir "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view lu_feature[] = {u"Funktionalitéit"sv};
constexpr std::u16string_view lu_background[] = {u"Hannergrond"sv};
constexpr std::u16string_view lu_rule[] = {u"Rule"sv};
constexpr std::u16string_view lu_scenario[] = {u"Beispill"sv, u"Szenario"sv};
constexpr std::u16string_view lu_scenarioOutline[] = {u"Plang vum Szenario"sv};
constexpr std::u16string_view lu_examples[] = {u"Beispiller"sv};
constexpr GherkinStepKeyword lu_steps[] = {
    {u"ugeholl "sv, StepKeywordType::Context},
    {u"wann "sv, StepKeywordType::Action},
    {u"dann "sv, StepKeywordType::Outcome},
    {u"awer "sv, StepKeywordType::Conjunction},
    {u"an "sv, StepKeywordType::Conjunction},
    {u"mä "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
    {u"a "sv, StepKeywordType::Conjunction},
};

constexpr std::u16string_view lv_feature[] = {u"Funkcionalitāte"sv, u"Fīča"sv};
constexpr std::u16string_view lv_background[] = {u"Konteksts"sv, u"Situācija"sv};
constexpr std::u16string_view lv_rule[] = {u"Rule"sv};
constexpr std::u16string_view lv_scenario[] = {u"Piemērs"sv, u"Scenārijs"sv};
constexpr std::u16string_view lv_scenarioOutline[] = {u"Scenārijs pēc parauga"sv};
constexpr std::u16string_view lv_examples[] = {u"Piemēri"sv, u"Paraugs"sv};
constexpr GherkinStepKeyword lv_steps[] = {
    {u"Kad "sv, StepKeywordType::Context},
    {u"Tad "sv, StepKeywordType::Outcome},
    {u"Bet "sv, StepKeywordType::Conjunction},
    {u"Ja "sv, StepKeywordType::Action},
    {u"Un "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view mk_Cyrl_feature[] = {u"Функционалност"sv, u"Бизнис потреба"sv, u"Можност"sv};
constexpr std::u16string_view mk_Cyrl_background[] = {u"Контекст"sv, u"Содржина"sv};
constexpr std::u16string_view mk_Cyrl_rule[] = {u"Rule"sv};
constexpr std::u16string_view mk_Cyrl_scenario[] = {u"Пример"sv, u"Сценарио"sv, u"На пример"sv};
constexpr std::u16string_view mk_Cyrl_scenarioOutline[] = {u"Преглед на сценарија"sv, u"Скица"sv, u"Концепт"sv};
constexpr std::u16string_view mk_Cyrl_examples[] = {u"Примери"sv, u"Сценарија"sv};
constexpr GherkinStepKeyword mk_Cyrl_steps[] = {
    {u"Дадено "sv, StepKeywordType::Context},
    {u"Дадена "sv, StepKeywordType::Context},
    {u"Тогаш "sv, StepKeywordType::Outcome},
    {u"Кога "sv, StepKeywordType::Action},
    {u"Но "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
    {u"И "sv, StepKeywordType::Conjunction},
};

constexpr std::u16string_view mk_Latn_feature[] = {u"Funkcionalnost"sv, u"Biznis potreba"sv, u"Mozhnost"sv};
constexpr std::u16string_view mk_Latn_background[] = {u"Kontekst"sv, u"Sodrzhina"sv};
constexpr std::u16string_view mk_Latn_rule[] = {u"Rule"sv};
constexpr std::u16string_view mk_Latn_scenario[] = {u"Scenario"sv, u"Na primer"sv};
constexpr std::u16string_view mk_Latn_scenarioOutline[] = {u"Pregled na scenarija"sv, u"Skica"sv, u"Koncept"sv};
constexpr std::u16string_view mk_Latn_examples[] = {u"Primeri"sv, u"Scenaria"sv};
constexpr GherkinStepKeyword mk_Latn_steps[] = {
    {u"Dadeno "sv, StepKeywordType::Context},
    {u"Dadena "sv, StepKeywordType::Context},
    {u"Togash "sv, StepKeywordType::Outcome},
    {u"Koga "sv, StepKeywordType::Action},
    {u"No "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
    {u"I "sv, StepKeywordType::Conjunction},
};

constexpr std::u16string_view mn_feature[] = {u"Функц"sv, u"Функционал"sv};
constexpr std::u16string_view mn_background[] = {u"Агуулга"sv};
constexpr std::u16string_view mn_rule[] = {u"Rule"sv};
constexpr std::u16string_view mn_scenario[] = {u"Сценар"sv};
constexpr std::u16string_view mn_scenarioOutline[] = {u"Сценарын төлөвлөгөө"sv};
constexpr std::u16string_view mn_examples[] = {u"Тухайлбал"sv};
constexpr GherkinStepKeyword mn_steps[] = {
    {u"Өгөгдсөн нь "sv, StepKeywordType::Context},
    {u"Үүний дараа "sv, StepKeywordType::Outcome},
    {u"Тэгэхэд "sv, StepKeywordType::Outcome},
    {u"Тэгээд "sv, StepKeywordType::Conjunction},
    {u"Гэхдээ "sv, StepKeywordType::Conjunction},
    {u"Хэрэв "sv, StepKeywordType::Action},
    {u"Харин "sv, StepKeywordType::Conjunction},
    {u"Анх "sv, StepKeywordType::Context},
    {u"Мөн "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view ne_feature[] = {u"सुविधा"sv, u"विशेषता"sv};
constexpr std::u16string_view ne_background[] = {u"पृष्ठभूमी"sv};
constexpr std::u16string_view ne_rule[] = {u"नियम"sv};
constexpr std::u16string_view ne_scenario[] = {u"परिदृश्य"sv};
constexpr std::u16string_view ne_scenarioOutline[] = {u"परिदृश्य रूपरेखा"sv};
constexpr std::u16string_view ne_examples[] = {u"उदाहरण"sv, u"उदाहरणहरु"sv};
constexpr GherkinStepKeyword ne_steps[] = {
    {u"त्यसपछि "sv, StepKeywordType::Outcome},
    {u"दिइएको "sv, StepKeywordType::Context},
    {u"दिएको "sv, StepKeywordType::Context},
    {u"यदि "sv, StepKeywordType::Context},
    {u"अनी "sv, StepKeywordType::Outcome},
    {u"अनि "sv, StepKeywordType::Conjunction},
    {u"जब "sv, StepKeywordType::Action},
    {u"तर "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
    {u"र "sv, StepKeywordType::Conjunction},
};

constexpr std::u16string_view nl_feature[] = {u"Functionaliteit"sv};
constexpr std::u16string_view nl_background[] = {u"Achtergrond"sv};
constexpr std::u16string_view nl_rule[] = {u"Regel"sv};
constexpr std::u16string_view nl_scenario[] = {u"Voorbeeld"sv, u"Scenario"sv};
constexpr std::u16string_view nl_scenarioOutline[] = {u"Abstract Scenario"sv};
constexpr std::u16string_view nl_examples[] = {u"Voorbeelden"sv};
constexpr GherkinStepKeyword nl_steps[] = {
    {u"Gegeven "sv, StepKeywordType::Context},
    {u"Wanneer "sv, StepKeywordType::Action},
    {u"Stel "sv, StepKeywordType::Context},
    {u"Maar "sv, StepKeywordType::Conjunction},
    {u"Als "sv, StepKeywordType::Action},
    {u"Dan "sv, StepKeywordType::Outcome},
    {u"En "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view no_feature[] = {u"Egenskap"sv};
constexpr std::u16string_view no_background[] = {u"Bakgrunn"sv};
constexpr std::u16string_view no_rule[] = {u"Regel"sv};
constexpr std::u16string_view no_scenario[] = {u"Eksempel"sv, u"Scenario"sv};
constexpr std::u16string_view no_scenarioOutline[] = {u"Scenariomal"sv, u"Abstrakt Scenario"sv};
constexpr std::u16string_view no_examples[] = {u"Eksempler"sv};
constexpr GherkinStepKeyword no_steps[] = {
    {u"Gitt "sv, StepKeywordType::Context},
    {u"Når "sv, StepKeywordType::Action},
    {u"Men "sv, StepKeywordType::Conjunction},
    {u"Så "sv, StepKeywordType::Outcome},
    {u"Og "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view pa_feature[] = {u"ਖਾਸੀਅਤ"sv, u"ਮੁਹਾਂਦਰਾ"sv, u"ਨਕਸ਼ ਨੁਹਾਰ"sv};
constexpr std::u16string_view pa_background[] = {u"ਪਿਛੋਕੜ"sv};
constexpr std::u16string_view pa_rule[] = {u"Rule"sv};
constexpr std::u16string_view pa_scenario[] = {u"ਉਦਾਹਰਨ"sv, u"ਪਟਕਥਾ"sv};
constexpr std::u16string_view pa_scenarioOutline[] = {u"ਪਟਕਥਾ ਢਾਂਚਾ"sv, u"ਪਟਕਥਾ ਰੂਪ ਰੇਖਾ"sv};
constexpr std::u16string_view pa_examples[] = {u"ਉਦਾਹਰਨਾਂ"sv};
constexpr GherkinStepKeyword pa_steps[] = {
    {u"ਜਿਵੇਂ ਕਿ "sv, StepKeywordType::Context},
    {u"ਜੇਕਰ "sv, StepKeywordType::Context},
    {u"ਜਦੋਂ "sv, StepKeywordType::Action},
    {u"ਅਤੇ "sv, StepKeywordType::Conjunction},
    {u"ਤਦ "sv, StepKeywordType::Outcome},
    {u"ਪਰ "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view pl_feature[] = {u"Właściwość"sv, u"Funkcja"sv, u"Aspekt"sv, u"Potrzeba biznesowa"sv};
constexpr std::u16string_view pl_background[] = {u"Założenia"sv};
constexpr std::u16string_view pl_rule[] = {u"Zasada"sv, u"Reguła"sv};
constexpr std::u16string_view pl_scenario[] = {u"Przykład"sv, u"Scenariusz"sv};
constexpr std::u16string_view pl_scenarioOutline[] = {u"Szablon scenariusza"sv};
constexpr std::u16string_view pl_examples[] = {u"Przykłady"sv};
constexpr GherkinStepKeyword pl_steps[] = {
    {u"Zakładając, że "sv, StepKeywordType::Context},
    {u"Zakładając "sv, StepKeywordType::Context},
    {u"Jeżeli "sv, StepKeywordType::Action},
    {u"Mając "sv, StepKeywordType::Context},
    {u"Jeśli "sv, StepKeywordType::Action},
    {u"Kiedy "sv, StepKeywordType::Action},
    {u"Wtedy "sv, StepKeywordType::Outcome},
    {u"Oraz "sv, StepKeywordType::Conjunction},
    {u"Gdy "sv, StepKeywordType::Action},
    {u"Ale "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
    {u"I "sv, StepKeywordType::Conjunction},
};

constexpr std::u16string_view pt_feature[] = {u"Funcionalidade"sv, u"Característica"sv, u"Caracteristica"sv};
constexpr std::u16string_view pt_background[] = {u"Contexto"sv, u"Cenário de Fundo"sv, u"Cenario de Fundo"sv, u"Fundo"sv};
constexpr std::u16string_view pt_rule[] = {u"Regra"sv};
constexpr std::u16string_view pt_scenario[] = {u"Exemplo"sv, u"Cenário"sv, u"Cenario"sv};
constexpr std::u16string_view pt_scenarioOutline[] = {u"Esquema do Cenário"sv, u"Esquema do Cenario"sv, u"Delineação do Cenário"sv, u"Delineacao do Cenario"sv};
constexpr std::u16string_view pt_examples[] = {u"Exemplos"sv, u"Cenários"sv, u"Cenarios"sv};
constexpr GherkinStepKeyword pt_steps[] = {
    {u"Quando "sv, StepKeywordType::Action},
    {u"Dados "sv, StepKeywordType::Context},
    {u"Dadas "sv, StepKeywordType::Context},
    {u"Então "sv, StepKeywordType::Outcome},
    {u"Entao "sv, StepKeywordType::Outcome},
    {u"Dado "sv, StepKeywordType::Context},
    {u"Dada "sv, StepKeywordType::Context},
    {u"Mas "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
    {u"E "sv, StepKeywordType::Conjunction},
};

constexpr std::u16string_view ro_feature[] = {u"Functionalitate"sv, u"Funcționalitate"sv, u"Funcţionalitate"sv};
constexpr std::u16string_view ro_background[] = {u"Context"sv};
constexpr std::u16string_view ro_rule[] = {u"Rule"sv};
constexpr std::u16string_view ro_scenario[] = {u"Exemplu"sv, u"Scenariu"sv};
constexpr std::u16string_view ro_scenarioOutline[] = {u"Structura scenariu"sv, u"Structură scenariu"sv};
constexpr std::u16string_view ro_examples[] = {u"Exemple"sv};
constexpr GherkinStepKeyword ro_steps[] = {
    {u"Date fiind "sv, StepKeywordType::Context},
    {u"Dati fiind "sv, StepKeywordType::Context},
    {u"Dați fiind "sv, StepKeywordType::Context},
    {u"Daţi fiind "sv, StepKeywordType::Context},
    {u"Dat fiind "sv, StepKeywordType::Context},
    {u"Dată fiind"sv, StepKeywordType::Context},
    {u"Atunci "sv, StepKeywordType::Outcome},
    {u"Cand "sv, StepKeywordType::Action},
    {u"Când "sv, StepKeywordType::Action},
    {u"Dar "sv, StepKeywordType::Conjunction},
    {u"Si "sv, StepKeywordType::Conjunction},
    {u"Și "sv, StepKeywordType::Conjunction},
    {u"Şi "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view ru_feature[] = {u"Функция"sv, u"Функциональность"sv, u"Функционал"sv, u"Свойство"sv, u"Фича"sv};
constexpr std::u16string_view ru_background[] = {u"Предыстория"sv, u"Контекст"sv};
constexpr std::u16string_view ru_rule[] = {u"Правило"sv};
constexpr std::u16string_view ru_scenario[] = {u"Пример"sv, u"Сценарий"sv};
constexpr std::u16string_view ru_scenarioOutline[] = {u"Структура сценария"sv, u"Шаблон сценария"sv};
constexpr std::u16string_view ru_examples[] = {u"Примеры"sv, u"Значения"sv};
constexpr GherkinStepKeyword ru_steps[] = {
    {u"К тому же "sv, StepKeywordType::Conjunction},
    {u"Допустим "sv, StepKeywordType::Context},
    {u"Пусть "sv, StepKeywordType::Context},
    {u"Когда "sv, StepKeywordType::Action},
    {u"Затем "sv, StepKeywordType::Outcome},
    {u"Тогда "sv, StepKeywordType::Outcome},
    {u"Также "sv, StepKeywordType::Conjunction},
    {u"Иначе "sv, StepKeywordType::Conjunction},
    {u"Дано "sv, StepKeywordType::Context},
    {u"Если "sv, StepKeywordType::Action},
    {u"То "sv, StepKeywordType::Outcome},
    {u"Но "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
    {u"И "sv, StepKeywordType::Conjunction},
    {u"А "sv, StepKeywordType::Conjunction},
};

constexpr std::u16string_view sk_feature[] = {u"Požiadavka"sv, u"Funkcia"sv, u"Vlastnosť"sv};
constexpr std::u16string_view sk_background[] = {u"Pozadie"sv};
constexpr std::u16string_view sk_rule[] = {u"Rule"sv};
constexpr std::u16string_view sk_scenario[] = {u"Príklad"sv, u"Scenár"sv};
constexpr std::u16string_view sk_scenarioOutline[] = {u"Náčrt Scenáru"sv, u"Náčrt Scenára"sv, u"Osnova Scenára"sv};
constexpr std::u16string_view sk_examples[] = {u"Príklady"sv};
constexpr GherkinStepKeyword sk_steps[] = {
    {u"Za predpokladu "sv, StepKeywordType::Context},
    {u"A taktiež "sv, StepKeywordType::Conjunction},
    {u"A zároveň "sv, StepKeywordType::Conjunction},
    {u"Pokiaľ "sv, StepKeywordType::Context},
    {u"A tiež "sv, StepKeywordType::Conjunction},
    {u"Potom "sv, StepKeywordType::Outcome},
    {u"Keď "sv, StepKeywordType::Action},
    {u"Tak "sv, StepKeywordType::Outcome},
    {u"Ale "sv, StepKeywordType::Conjunction},
    {u"Ak "sv, StepKeywordType::Action},
    {u"* "sv, StepKeywordType::Unknown},
    {u"A "sv, StepKeywordType::Conjunction},
};

constexpr std::u16string_view sl_feature[] = {u"Funkcionalnost"sv, u"Funkcija"sv, u"Možnosti"sv, u"Moznosti"sv, u"Lastnost"sv, u"Značilnost"sv};
constexpr std::u16string_view sl_background[] = {u"Kontekst"sv, u"Osnova"sv, u"Ozadje"sv};
constexpr std::u16string_view sl_rule[] = {u"Rule"sv};
constexpr std::u16string_view sl_scenario[] = {u"Primer"sv, u"Scenarij"sv};
constexpr std::u16string_view sl_scenarioOutline[] = {u"Struktura scenarija"sv, u"Skica"sv, u"Koncept"sv, u"Oris scenarija"sv, u"Osnutek"sv};
constexpr std::u16string_view sl_examples[] = {u"Primeri"sv, u"Scenariji"sv};
constexpr GherkinStepKeyword sl_steps[] = {
    {u"Privzeto "sv, StepKeywordType::Context},
    {u"Podano "sv, StepKeywordType::Context},
    {u"Zaradi "sv, StepKeywordType::Context},
    {u"Takrat "sv, StepKeywordType::Outcome},
    {u"Vendar "sv, StepKeywordType::Conjunction},
    {u"Kadar "sv, StepKeywordType::Action},
    {u"Potem "sv, StepKeywordType::Outcome},
    {u"Ampak "sv, StepKeywordType::Conjunction},
    {u"Dano "sv, StepKeywordType::Context},
    {u"Nato "sv, StepKeywordType::Outcome},
    {u"Toda "sv, StepKeywordType::Conjunction},
    {u"Ter "sv, StepKeywordType::Conjunction},
    {u"Ko "sv, StepKeywordType::Action},
    {u"Ce "sv, StepKeywordType::Action},
    {u"Če "sv, StepKeywordType::Action},
    {u"In "sv, StepKeywordType::Conjunction},
};

constexpr std::u16string_view sr_Cyrl_feature[] = {u"Функционалност"sv, u"Могућност"sv, u"Особина"sv};
constexpr std::u16string_view sr_Cyrl_background[] = {u"Контекст"sv, u"Основа"sv, u"Позадина"sv};
constexpr std::u16string_view sr_Cyrl_rule[] = {u"Правило"sv};
constexpr std::u16string_view sr_Cyrl_scenario[] = {u"Сценарио"sv, u"Пример"sv};
constexpr std::u16string_view sr_Cyrl_scenarioOutline[] = {u"Структура сценарија"sv, u"Скица"sv, u"Концепт"sv};
constexpr std::u16string_view sr_Cyrl_examples[] = {u"Примери"sv, u"Сценарији"sv};
constexpr GherkinStepKeyword sr_Cyrl_steps[] = {
    {u"За дато "sv, StepKeywordType::Context},
    {u"За дате "sv, StepKeywordType::Context},
    {u"За дати "sv, StepKeywordType::Context},
    {u"Када "sv, StepKeywordType::Action},
    {u"Онда "sv, StepKeywordType::Outcome},
    {u"Кад "sv, StepKeywordType::Action},
    {u"Али "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
    {u"И "sv, StepKeywordType::Conjunction},
};

constexpr std::u16string_view sr_Latn_feature[] = {u"Funkcionalnost"sv, u"Mogućnost"sv, u"Mogucnost"sv, u"Osobina"sv};
constexpr std::u16string_view sr_Latn_background[] = {u"Kontekst"sv, u"Osnova"sv, u"Pozadina"sv};
constexpr std::u16string_view sr_Latn_rule[] = {u"Pravilo"sv};
constexpr std::u16string_view sr_Latn_scenario[] = {u"Scenario"sv, u"Primer"sv};
constexpr std::u16string_view sr_Latn_scenarioOutline[] = {u"Struktura scenarija"sv, u"Skica"sv, u"Koncept"sv};
constexpr std::u16string_view sr_Latn_examples[] = {u"Primeri"sv, u"Scenariji"sv};
constexpr GherkinStepKeyword sr_Latn_steps[] = {
    {u"Za dato "sv, StepKeywordType::Context},
    {u"Za date "sv, StepKeywordType::Context},
    {u"Za dati "sv, StepKeywordType::Context},
    {u"Kada "sv, StepKeywordType::Action},
    {u"Onda "sv, StepKeywordType::Outcome},
    {u"Kad "sv, StepKeywordType::Action},
    {u"Ali "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
    {u"I "sv, StepKeywordType::Conjunction},
};

constexpr std::u16string_view sv_feature[] = {u"Egenskap"sv};
constexpr std::u16string_view sv_background[] = {u"Bakgrund"sv};
constexpr std::u16string_view sv_rule[] = {u"Regel"sv};
constexpr std::u16string_view sv_scenario[] = {u"Scenario"sv};
constexpr std::u16string_view sv_scenarioOutline[] = {u"Abstrakt Scenario"sv, u"Scenariomall"sv};
constexpr std::u16string_view sv_examples[] = {u"Exempel"sv};
constexpr GherkinStepKeyword sv_steps[] = {
    {u"Givet "sv, StepKeywordType::Context},
    {u"När "sv, StepKeywordType::Action},
    {u"Och "sv, StepKeywordType::Conjunction},
    {u"Men "sv, StepKeywordType::Conjunction},
    {u"Så "sv, StepKeywordType::Outcome},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view ta_feature[] = {u"அம்சம்"sv, u"வணிக தேவை"sv, u"திறன்"sv};
constexpr std::u16string_view ta_background[] = {u"பின்னணி"sv};
constexpr std::u16string_view ta_rule[] = {u"Rule"sv};
constexpr std::u16string_view ta_scenario[] = {u"உதாரணமாக"sv, u"காட்சி"sv};
constexpr std::u16string_view ta_scenarioOutline[] = {u"காட்சி சுருக்கம்"sv, u"காட்சி வார்ப்புரு"sv};
constexpr std::u16string_view ta_examples[] = {u"எடுத்துக்காட்டுகள்"sv, u"காட்சிகள்"sv, u"நிலைமைகளில்"sv};
constexpr GherkinStepKeyword ta_steps[] = {
    {u"கொடுக்கப்பட்ட "sv, StepKeywordType::Context},
    {u"அப்பொழுது "sv, StepKeywordType::Outcome},
    {u"எப்போது "sv, StepKeywordType::Action},
    {u"மற்றும் "sv, StepKeywordType::Conjunction},
    {u"மேலும் "sv, StepKeywordType::Conjunction},
    {u"ஆனால் "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view th_feature[] = {u"โครงหลัก"sv, u"ความต้องการทางธุรกิจ"sv, u"ความสามารถ"sv};
constexpr std::u16string_view th_background[] = {u"แนวคิด"sv};
constexpr std::u16string_view th_rule[] = {u"Rule"sv};
constexpr std::u16string_view th_scenario[] = {u"เหตุการณ์"sv};
constexpr std::u16string_view th_scenarioOutline[] = {u"สรุปเหตุการณ์"sv, u"โครงสร้างของเหตุการณ์"sv};
constexpr std::u16string_view th_examples[] = {u"ชุดของตัวอย่าง"sv, u"ชุดของเหตุการณ์"sv};
constexpr GherkinStepKeyword th_steps[] = {
    {u"กำหนดให้ "sv, StepKeywordType::Context},
    {u"ดังนั้น "sv, StepKeywordType::Outcome},
    {u"เมื่อ "sv, StepKeywordType::Action},
    {u"และ "sv, StepKeywordType::Conjunction},
    {u"แต่ "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view te_feature[] = {u"గుణము"sv};
constexpr std::u16string_view te_background[] = {u"నేపథ్యం"sv};
constexpr std::u16string_view te_rule[] = {u"Rule"sv};
constexpr std::u16string_view te_scenario[] = {u"ఉదాహరణ"sv, u"సన్నివేశం"sv};
constexpr std::u16string_view te_scenarioOutline[] = {u"కథనం"sv};
constexpr std::u16string_view te_examples[] = {u"ఉదాహరణలు"sv};
constexpr GherkinStepKeyword te_steps[] = {
    {u"ఈ పరిస్థితిలో "sv, StepKeywordType::Action},
    {u"చెప్పబడినది "sv, StepKeywordType::Context},
    {u"అప్పుడు "sv, StepKeywordType::Outcome},
    {u"మరియు "sv, StepKeywordType::Conjunction},
    {u"కాని "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view tlh_feature[] = {u"Qap"sv, u"Qu'meH 'ut"sv, u"perbogh"sv, u"poQbogh malja'"sv, u"laH"sv};
constexpr std::u16string_view tlh_background[] = {u"mo'"sv};
constexpr std::u16string_view tlh_rule[] = {u"Rule"sv};
constexpr std::u16string_view tlh_scenario[] = {u"lut"sv};
constexpr std::u16string_view tlh_scenarioOutline[] = {u"lut chovnatlh"sv};
constexpr std::u16string_view tlh_examples[] = {u"ghantoH"sv, u"lutmey"sv};
constexpr GherkinStepKeyword tlh_steps[] = {
    {u"DaH ghu' bejlu' "sv, StepKeywordType::Context},
    {u"ghu' noblu' "sv, StepKeywordType::Context},
    {u"qaSDI' "sv, StepKeywordType::Action},
    {u"latlh "sv, StepKeywordType::Conjunction},
    {u"'ach "sv, StepKeywordType::Conjunction},
    {u"vaj "sv, StepKeywordType::Outcome},
    {u"'ej "sv, StepKeywordType::Conjunction},
    {u"'a "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view tr_feature[] = {u"Özellik"sv, u"İş Gereksinimi"sv, u"Gereksinim"sv, u"İşlev"sv, u"Kullanıcı Hikayesi"sv, u"Yetenek"sv, u"Teknik Gereksinim"sv};
constexpr std::u16string_view tr_background[] = {u"Geçmiş"sv, u"Arka Plan"sv, u"Ön Koşul"sv, u"Önkoşul"sv, u"Önceki Durum"sv, u"Giriş"sv, u"Mukaddime"sv, u"Mevcut Durum"sv};
constexpr std::u16string_view tr_rule[] = {u"Kural"sv, u"İş Kuralı"sv, u"Kaide"sv, u"Hüküm"sv, u"Madde"sv};
constexpr std::u16string_view tr_scenario[] = {u"Örnek"sv, u"Senaryo"sv, u"Durum"sv, u"Vaka"sv};
constexpr std::u16string_view tr_scenarioOutline[] = {u"Senaryo taslağı"sv, u"Senaryo şablonu"sv};
constexpr std::u16string_view tr_examples[] = {u"Örnekler"sv, u"Değerler"sv};
constexpr GherkinStepKeyword tr_steps[] = {
    {u"Varsayılan olarak "sv, StepKeywordType::Context},
    {u"Netice itibariyle "sv, StepKeywordType::Outcome},
    {u"Kabul edelim ki "sv, StepKeywordType::Context},
    {u"Farz edelim ki "sv, StepKeywordType::Context},
    {u"Buna ek olarak "sv, StepKeywordType::Conjunction},
    {u"Varsayalım ki "sv, StepKeywordType::Context},
    {u"Bunun üzerine "sv, StepKeywordType::Outcome},
    {u"Biliniyor ki "sv, StepKeywordType::Context},
    {u"Sonuç olarak "sv, StepKeywordType::Outcome},
    {u"Buna mukabil "sv, StepKeywordType::Conjunction},
    {u"Halihazırda "sv, StepKeywordType::Context},
    {u"Başlangıçta "sv, StepKeywordType::Context},
    {u"Ne zaman ki "sv, StepKeywordType::Action},
    {u"Buna binaen "sv, StepKeywordType::Outcome},
    {u"Diyelim ki "sv, StepKeywordType::Context},
    {u"Bu durumda "sv, StepKeywordType::Outcome},
    {u"O takdirde "sv, StepKeywordType::Outcome},
    {u"Aksi halde "sv, StepKeywordType::Conjunction},
    {u"Daha önce "sv, StepKeywordType::Context},
    {u"Geçmişte "sv, StepKeywordType::Context},
    {u"Sistemde "sv, StepKeywordType::Context},
    {u"Ne zaman "sv, StepKeywordType::Action},
    {u"Beklenen "sv, StepKeywordType::Outcome},
    {u"Şu halde "sv, StepKeywordType::Outcome},
    {u"İlaveten "sv, StepKeywordType::Conjunction},
    {u"Meğer ki "sv, StepKeywordType::Conjunction},
    {u"Önceden "sv, StepKeywordType::Context},
    {u"Eğer ki "sv, StepKeywordType::Action},
    {u"O zaman "sv, StepKeywordType::Outcome},
    {u"Böylece "sv, StepKeywordType::Outcome},
    {u"Mevcut "sv, StepKeywordType::Context},
    {u"Hem de "sv, StepKeywordType::Conjunction},
    {u"Bir de "sv, StepKeywordType::Conjunction},
    {u"Ayrıca "sv, StepKeywordType::Conjunction},
    {u"Yalnız "sv, StepKeywordType::Conjunction},
    {u"Zaten "sv, StepKeywordType::Context},
    {u"Şayet "sv, StepKeywordType::Action},
    {u"Fakat "sv, StepKeywordType::Conjunction},
    {u"Ancak "sv, StepKeywordType::Conjunction},
    {u"Lakin "sv, StepKeywordType::Conjunction},
    {u"Eğer "sv, StepKeywordType::Action},
    {u"Ama "sv, StepKeywordType::Conjunction},
    {u"Ve "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view tt_feature[] = {u"Мөмкинлек"sv, u"Үзенчәлеклелек"sv};
constexpr std::u16string_view tt_background[] = {u"Кереш"sv};
constexpr std::u16string_view tt_rule[] = {u"Rule"sv};
constexpr std::u16string_view tt_scenario[] = {u"Сценарий"sv};
constexpr std::u16string_view tt_scenarioOutline[] = {u"Сценарийның төзелеше"sv};
constexpr std::u16string_view tt_examples[] = {u"Үрнәкләр"sv, u"Мисаллар"sv};
constexpr GherkinStepKeyword tt_steps[] = {
    {u"Нәтиҗәдә "sv, StepKeywordType::Outcome},
    {u"Әйтик "sv, StepKeywordType::Context},
    {u"Ләкин "sv, StepKeywordType::Conjunction},
    {u"Әгәр "sv, StepKeywordType::Action},
    {u"Әмма "sv, StepKeywordType::Conjunction},
    {u"Һәм "sv, StepKeywordType::Conjunction},
    {u"Вә "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view uk_feature[] = {u"Функціонал"sv};
constexpr std::u16string_view uk_background[] = {u"Передумова"sv};
constexpr std::u16string_view uk_rule[] = {u"Rule"sv};
constexpr std::u16string_view uk_scenario[] = {u"Приклад"sv, u"Сценарій"sv};
constexpr std::u16string_view uk_scenarioOutline[] = {u"Структура сценарію"sv};
constexpr std::u16string_view uk_examples[] = {u"Приклади"sv};
constexpr GherkinStepKeyword uk_steps[] = {
    {u"Припустимо, що "sv, StepKeywordType::Context},
    {u"Припустимо "sv, StepKeywordType::Context},
    {u"А також "sv, StepKeywordType::Conjunction},
    {u"Нехай "sv, StepKeywordType::Context},
    {u"Дано "sv, StepKeywordType::Context},
    {u"Якщо "sv, StepKeywordType::Action},
    {u"Коли "sv, StepKeywordType::Action},
    {u"Тоді "sv, StepKeywordType::Outcome},
    {u"Але "sv, StepKeywordType::Conjunction},
    {u"То "sv, StepKeywordType::Outcome},
    {u"Та "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
    {u"І "sv, StepKeywordType::Conjunction},
};

constexpr std::u16string_view ur_feature[] = {u"صلاحیت"sv, u"کاروبار کی ضرورت"sv, u"خصوصیت"sv};
constexpr std::u16string_view ur_background[] = {u"پس منظر"sv};
constexpr std::u16string_view ur_rule[] = {u"Rule"sv};
constexpr std::u16string_view ur_scenario[] = {u"منظرنامہ"sv};
constexpr std::u16string_view ur_scenarioOutline[] = {u"منظر نامے کا خاکہ"sv};
constexpr std::u16string_view ur_examples[] = {u"مثالیں"sv};
constexpr GherkinStepKeyword ur_steps[] = {
    {u"فرض کیا "sv, StepKeywordType::Context},
    {u"بالفرض "sv, StepKeywordType::Context},
    {u"لیکن "sv, StepKeywordType::Conjunction},
    {u"اگر "sv, StepKeywordType::Context},
    {u"پھر "sv, StepKeywordType::Outcome},
    {u"اور "sv, StepKeywordType::Conjunction},
    {u"جب "sv, StepKeywordType::Action},
    {u"تب "sv, StepKeywordType::Outcome},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view uz_feature[] = {u"Функционал"sv};
constexpr std::u16string_view uz_background[] = {u"Тарих"sv};
constexpr std::u16string_view uz_rule[] = {u"Rule"sv};
constexpr std::u16string_view uz_scenario[] = {u"Сценарий"sv};
constexpr std::u16string_view uz_scenarioOutline[] = {u"Сценарий структураси"sv};
constexpr std::u16string_view uz_examples[] = {u"Мисоллар"sv};
constexpr GherkinStepKeyword uz_steps[] = {
    {u"Belgilangan "sv, StepKeywordType::Context},
    {u"Лекин "sv, StepKeywordType::Conjunction},
    {u"Бирок "sv, StepKeywordType::Conjunction},
    {u"Агар "sv, StepKeywordType::Action},
    {u"Унда "sv, StepKeywordType::Outcome},
    {u"Аммо "sv, StepKeywordType::Conjunction},
    {u"Ва "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view vi_feature[] = {u"Tính năng"sv};
constexpr std::u16string_view vi_background[] = {u"Bối cảnh"sv};
constexpr std::u16string_view vi_rule[] = {u"Quy tắc"sv};
constexpr std::u16string_view vi_scenario[] = {u"Tình huống"sv, u"Kịch bản"sv};
constexpr std::u16string_view vi_scenarioOutline[] = {u"Khung tình huống"sv, u"Khung kịch bản"sv};
constexpr std::u16string_view vi_examples[] = {u"Dữ liệu"sv};
constexpr GherkinStepKeyword vi_steps[] = {
    {u"Nhưng "sv, StepKeywordType::Conjunction},
    {u"Biết "sv, StepKeywordType::Context},
    {u"Cho "sv, StepKeywordType::Context},
    {u"Khi "sv, StepKeywordType::Action},
    {u"Thì "sv, StepKeywordType::Outcome},
    {u"Và "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view zh_CN_feature[] = {u"功能"sv};
constexpr std::u16string_view zh_CN_background[] = {u"背景"sv};
constexpr std::u16string_view zh_CN_rule[] = {u"Rule"sv, u"规则"sv};
constexpr std::u16string_view zh_CN_scenario[] = {u"场景"sv, u"剧本"sv};
constexpr std::u16string_view zh_CN_scenarioOutline[] = {u"场景大纲"sv, u"剧本大纲"sv};
constexpr std::u16string_view zh_CN_examples[] = {u"例子"sv};
constexpr GherkinStepKeyword zh_CN_steps[] = {
    {u"* "sv, StepKeywordType::Unknown},
    {u"假如"sv, StepKeywordType::Context},
    {u"假设"sv, StepKeywordType::Context},
    {u"假定"sv, StepKeywordType::Context},
    {u"那么"sv, StepKeywordType::Outcome},
    {u"而且"sv, StepKeywordType::Conjunction},
    {u"并且"sv, StepKeywordType::Conjunction},
    {u"同时"sv, StepKeywordType::Conjunction},
    {u"但是"sv, StepKeywordType::Conjunction},
    {u"当"sv, StepKeywordType::Action},
};

constexpr std::u16string_view ml_feature[] = {u"സവിശേഷത"sv};
constexpr std::u16string_view ml_background[] = {u"പശ്ചാത്തലം"sv};
constexpr std::u16string_view ml_rule[] = {u"നിയമം"sv};
constexpr std::u16string_view ml_scenario[] = {u"രംഗം"sv};
constexpr std::u16string_view ml_scenarioOutline[] = {u"സാഹചര്യത്തിന്റെ രൂപരേഖ"sv};
constexpr std::u16string_view ml_examples[] = {u"ഉദാഹരണങ്ങൾ"sv};
constexpr GherkinStepKeyword ml_steps[] = {
    {u"നൽകിയത്"sv, StepKeywordType::Context},
    {u"എപ്പോൾ"sv, StepKeywordType::Action},
    {u"പിന്നെ"sv, StepKeywordType::Outcome},
    {u"ഒപ്പം"sv, StepKeywordType::Conjunction},
    {u"പക്ഷേ"sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr std::u16string_view zh_TW_feature[] = {u"功能"sv};
constexpr std::u16string_view zh_TW_background[] = {u"背景"sv};
constexpr std::u16string_view zh_TW_rule[] = {u"Rule"sv};
constexpr std::u16string_view zh_TW_scenario[] = {u"場景"sv, u"劇本"sv};
constexpr std::u16string_view zh_TW_scenarioOutline[] = {u"場景大綱"sv, u"劇本大綱"sv};
constexpr std::u16string_view zh_TW_examples[] = {u"例子"sv};
constexpr GherkinStepKeyword zh_TW_steps[] = {
    {u"* "sv, StepKeywordType::Unknown},
    {u"假如"sv, StepKeywordType::Context},
    {u"假設"sv, StepKeywordType::Context},
    {u"假定"sv, StepKeywordType::Context},
    {u"那麼"sv, StepKeywordType::Outcome},
    {u"而且"sv, StepKeywordType::Conjunction},
    {u"並且"sv, StepKeywordType::Conjunction},
    {u"同時"sv, StepKeywordType::Conjunction},
    {u"但是"sv, StepKeywordType::Conjunction},
    {u"當"sv, StepKeywordType::Action},
};

constexpr std::u16string_view mr_feature[] = {u"वैशिष्ट्य"sv, u"सुविधा"sv};
constexpr std::u16string_view mr_background[] = {u"पार्श्वभूमी"sv};
constexpr std::u16string_view mr_rule[] = {u"नियम"sv};
constexpr std::u16string_view mr_scenario[] = {u"परिदृश्य"sv};
constexpr std::u16string_view mr_scenarioOutline[] = {u"परिदृश्य रूपरेखा"sv};
constexpr std::u16string_view mr_examples[] = {u"उदाहरण"sv};
constexpr GherkinStepKeyword mr_steps[] = {
    {u"दिलेल्या प्रमाणे "sv, StepKeywordType::Context},
    {u"जेव्हा "sv, StepKeywordType::Action},
    {u"तेव्हा "sv, StepKeywordType::Outcome},
    {u"परंतु "sv, StepKeywordType::Conjunction},
    {u"तसेच "sv, StepKeywordType::Conjunction},
    {u"आणि "sv, StepKeywordType::Conjunction},
    {u"मग "sv, StepKeywordType::Outcome},
    {u"पण "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
    {u"जर"sv, StepKeywordType::Context},
};

constexpr std::u16string_view amh_feature[] = {u"ስራ"sv, u"የተፈለገው ስራ"sv, u"የሚፈለገው ድርጊት"sv};
constexpr std::u16string_view amh_background[] = {u"ቅድመ ሁኔታ"sv, u"መነሻ"sv, u"መነሻ ሀሳብ"sv};
constexpr std::u16string_view amh_rule[] = {u"ህግ"sv};
constexpr std::u16string_view amh_scenario[] = {u"ምሳሌ"sv, u"ሁናቴ"sv};
constexpr std::u16string_view amh_scenarioOutline[] = {u"ሁናቴ ዝርዝር"sv, u"ሁናቴ አብነት"sv};
constexpr std::u16string_view amh_examples[] = {u"ምሳሌዎች"sv, u"ሁናቴዎች"sv};
constexpr GherkinStepKeyword amh_steps[] = {
    {u"የተሰጠ "sv, StepKeywordType::Context},
    {u"ከዚያ "sv, StepKeywordType::Outcome},
    {u"መቼ "sv, StepKeywordType::Action},
    {u"እና "sv, StepKeywordType::Conjunction},
    {u"ግን "sv, StepKeywordType::Conjunction},
    {u"* "sv, StepKeywordType::Unknown},
};

constexpr GherkinDialect dialects[] = {
    {u"af"sv, u"Afrikaans"sv, u"Afrikaans"sv,
     af_feature, af_background, af_rule, af_scenario, af_scenarioOutline, af_examples, af_steps},
    {u"am"sv, u"Armenian"sv, u"հայերեն"sv,
     am_feature, am_background, am_rule, am_scenario, am_scenarioOutline, am_examples, am_steps},
    {u"an"sv, u"Aragonese"sv, u"Aragonés"sv,
     an_feature, an_background, an_rule, an_scenario, an_scenarioOutline, an_examples, an_steps},
    {u"ar"sv, u"Arabic"sv, u"العربية"sv,
     ar_feature, ar_background, ar_rule, ar_scenario, ar_scenarioOutline, ar_examples, ar_steps},
    {u"ast"sv, u"Asturian"sv, u"asturianu"sv,
     ast_feature, ast_background, ast_rule, ast_scenario, ast_scenarioOutline, ast_examples, ast_steps},
    {u"az"sv, u"Azerbaijani"sv, u"Azərbaycanca"sv,
     az_feature, az_background, az_rule, az_scenario, az_scenarioOutline, az_examples, az_steps},
    {u"be"sv, u"Belarusian"sv, u"Беларуская"sv,
     be_feature, be_background, be_rule, be_scenario, be_scenarioOutline, be_examples, be_steps},
    {u"bg"sv, u"Bulgarian"sv, u"български"sv,
     bg_feature, bg_background, bg_rule, bg_scenario, bg_scenarioOutline, bg_examples, bg_steps},
    {u"bm"sv, u"Malay"sv, u"Bahasa Melayu"sv,
     bm_feature, bm_background, bm_rule, bm_scenario, bm_scenarioOutline, bm_examples, bm_steps},
    {u"bs"sv, u"Bosnian"sv, u"Bosanski"sv,
     bs_feature, bs_background, bs_rule, bs_scenario, bs_scenarioOutline, bs_examples, bs_steps},
    {u"ca"sv, u"Catalan"sv, u"català"sv,
     ca_feature, ca_background, ca_rule, ca_scenario, ca_scenarioOutline, ca_examples, ca_steps},
    {u"cs"sv, u"Czech"sv, u"Česky"sv,
     cs_feature, cs_background, cs_rule, cs_scenario, cs_scenarioOutline, cs_examples, cs_steps},
    {u"cy-GB"sv, u"Welsh"sv, u"Cymraeg"sv,
     cy_GB_feature, cy_GB_background, cy_GB_rule, cy_GB_scenario, cy_GB_scenarioOutline, cy_GB_examples, cy_GB_steps},
    {u"da"sv, u"Danish"sv, u"dansk"sv,
     da_feature, da_background, da_rule, da_scenario, da_scenarioOutline, da_examples, da_steps},
    {u"de"sv, u"German"sv, u"Deutsch"sv,
     de_feature, de_background, de_rule, de_scenario, de_scenarioOutline, de_examples, de_steps},
    {u"el"sv, u"Greek"sv, u"Ελληνικά"sv,
     el_feature, el_background, el_rule, el_scenario, el_scenarioOutline, el_examples, el_steps},
    {u"em"sv, u"Emoji"sv, u"😀"sv,
     em_feature, em_background, em_rule, em_scenario, em_scenarioOutline, em_examples, em_steps},
    {u"en"sv, u"English"sv, u"English"sv,
     en_feature, en_background, en_rule, en_scenario, en_scenarioOutline, en_examples, en_steps},
    {u"en-Scouse"sv, u"Scouse"sv, u"Scouse"sv,
     en_Scouse_feature, en_Scouse_background, en_Scouse_rule, en_Scouse_scenario, en_Scouse_scenarioOutline, en_Scouse_examples, en_Scouse_steps},
    {u"en-au"sv, u"Australian"sv, u"Australian"sv,
     en_au_feature, en_au_background, en_au_rule, en_au_scenario, en_au_scenarioOutline, en_au_examples, en_au_steps},
    {u"en-lol"sv, u"LOLCAT"sv, u"LOLCAT"sv,
     en_lol_feature, en_lol_background, en_lol_rule, en_lol_scenario, en_lol_scenarioOutline, en_lol_examples, en_lol_steps},
    {u"en-old"sv, u"Old English"sv, u"Englisc"sv,
     en_old_feature, en_old_background, en_old_rule, en_old_scenario, en_old_scenarioOutline, en_old_examples, en_old_steps},
    {u"en-pirate"sv, u"Pirate"sv, u"Pirate"sv,
     en_pirate_feature, en_pirate_background, en_pirate_rule, en_pirate_scenario, en_pirate_scenarioOutline, en_pirate_examples, en_pirate_steps},
    {u"en-tx"sv, u"Texas"sv, u"Texas"sv,
     en_tx_feature, en_tx_background, en_tx_rule, en_tx_scenario, en_tx_scenarioOutline, en_tx_examples, en_tx_steps},
    {u"eo"sv, u"Esperanto"sv, u"Esperanto"sv,
     eo_feature, eo_background, eo_rule, eo_scenario, eo_scenarioOutline, eo_examples, eo_steps},
    {u"es"sv, u"Spanish"sv, u"español"sv,
     es_feature, es_background, es_rule, es_scenario, es_scenarioOutline, es_examples, es_steps},
    {u"et"sv, u"Estonian"sv, u"eesti keel"sv,
     et_feature, et_background, et_rule, et_scenario, et_scenarioOutline, et_examples, et_steps},
    {u"fa"sv, u"Persian"sv, u"فارسی"sv,
     fa_feature, fa_background, fa_rule, fa_scenario, fa_scenarioOutline, fa_examples, fa_steps},
    {u"fi"sv, u"Finnish"sv, u"suomi"sv,
     fi_feature, fi_background, fi_rule, fi_scenario, fi_scenarioOutline, fi_examples, fi_steps},
    {u"fr"sv, u"French"sv, u"français"sv,
     fr_feature, fr_background, fr_rule, fr_scenario, fr_scenarioOutline, fr_examples, fr_steps},
    {u"ga"sv, u"Irish"sv, u"Gaeilge"sv,
     ga_feature, ga_background, ga_rule, ga_scenario, ga_scenarioOutline, ga_examples, ga_steps},
    {u"gj"sv, u"Gujarati"sv, u"ગુજરાતી"sv,
     gj_feature, gj_background, gj_rule, gj_scenario, gj_scenarioOutline, gj_examples, gj_steps},
    {u"gl"sv, u"Galician"sv, u"galego"sv,
     gl_feature, gl_background, gl_rule, gl_scenario, gl_scenarioOutline, gl_examples, gl_steps},
    {u"he"sv, u"Hebrew"sv, u"עברית"sv,
     he_feature, he_background, he_rule, he_scenario, he_scenarioOutline, he_examples, he_steps},
    {u"hi"sv, u"Hindi"sv, u"हिंदी"sv,
     hi_feature, hi_background, hi_rule, hi_scenario, hi_scenarioOutline, hi_examples, hi_steps},
    {u"hr"sv, u"Croatian"sv, u"hrvatski"sv,
     hr_feature, hr_background, hr_rule, hr_scenario, hr_scenarioOutline, hr_examples, hr_steps},
    {u"ht"sv, u"Creole"sv, u"kreyòl"sv,
     ht_feature, ht_background, ht_rule, ht_scenario, ht_scenarioOutline, ht_examples, ht_steps},
    {u"hu"sv, u"Hungarian"sv, u"magyar"sv,
     hu_feature, hu_background, hu_rule, hu_scenario, hu_scenarioOutline, hu_examples, hu_steps},
    {u"id"sv, u"Indonesian"sv, u"Bahasa Indonesia"sv,
     id_feature, id_background, id_rule, id_scenario, id_scenarioOutline, id_examples, id_steps},
    {u"is"sv, u"Icelandic"sv, u"Íslenska"sv,
     is_feature, is_background, is_rule, is_scenario, is_scenarioOutline, is_examples, is_steps},
    {u"it"sv, u"Italian"sv, u"italiano"sv,
     it_feature, it_background, it_rule, it_scenario, it_scenarioOutline, it_examples, it_steps},
    {u"ja"sv, u"Japanese"sv, u"日本語"sv,
     ja_feature, ja_background, ja_rule, ja_scenario, ja_scenarioOutline, ja_examples, ja_steps},
    {u"jv"sv, u"Javanese"sv, u"Basa Jawa"sv,
     jv_feature, jv_background, jv_rule, jv_scenario, jv_scenarioOutline, jv_examples, jv_steps},
    {u"ka"sv, u"Georgian"sv, u"ქართული"sv,
     ka_feature, ka_background, ka_rule, ka_scenario, ka_scenarioOutline, ka_examples, ka_steps},
    {u"kn"sv, u"Kannada"sv, u"ಕನ್ನಡ"sv,
     kn_feature, kn_background, kn_rule, kn_scenario, kn_scenarioOutline, kn_examples, kn_steps},
    {u"ko"sv, u"Korean"sv, u"한국어"sv,
     ko_feature, ko_background, ko_rule, ko_scenario, ko_scenarioOutline, ko_examples, ko_steps},
    {u"lt"sv, u"Lithuanian"sv, u"lietuvių kalba"sv,
     lt_feature, lt_background, lt_rule, lt_scenario, lt_scenarioOutline, lt_examples, lt_steps},
    {u"lu"sv, u"Luxemburgish"sv, u"Lëtzebuergesch"sv,
     lu_feature, lu_background, lu_rule, lu_scenario, lu_scenarioOutline, lu_examples, lu_steps},
    {u"lv"sv, u"Latvian"sv, u"latviešu"sv,
     lv_feature, lv_background, lv_rule, lv_scenario, lv_scenarioOutline, lv_examples, lv_steps},
    {u"mk-Cyrl"sv, u"Macedonian"sv, u"Македонски"sv,
     mk_Cyrl_feature, mk_Cyrl_background, mk_Cyrl_rule, mk_Cyrl_scenario, mk_Cyrl_scenarioOutline, mk_Cyrl_examples, mk_Cyrl_steps},
    {u"mk-Latn"sv, u"Macedonian (Latin)"sv, u"Makedonski (Latinica)"sv,
     mk_Latn_feature, mk_Latn_background, mk_Latn_rule, mk_Latn_scenario, mk_Latn_scenarioOutline, mk_Latn_examples, mk_Latn_steps},
    {u"mn"sv, u"Mongolian"sv, u"монгол"sv,
     mn_feature, mn_background, mn_rule, mn_scenario, mn_scenarioOutline, mn_examples, mn_steps},
    {u"ne"sv, u"Nepali"sv, u"नेपाली"sv,
     ne_feature, ne_background, ne_rule, ne_scenario, ne_scenarioOutline, ne_examples, ne_steps},
    {u"nl"sv, u"Dutch"sv, u"Nederlands"sv,
     nl_feature, nl_background, nl_rule, nl_scenario, nl_scenarioOutline, nl_examples, nl_steps},
    {u"no"sv, u"Norwegian"sv, u"norsk"sv,
     no_feature, no_background, no_rule, no_scenario, no_scenarioOutline, no_examples, no_steps},
    {u"pa"sv, u"Panjabi"sv, u"ਪੰਜਾਬੀ"sv,
     pa_feature, pa_background, pa_rule, pa_scenario, pa_scenarioOutline, pa_examples, pa_steps},
    {u"pl"sv, u"Polish"sv, u"polski"sv,
     pl_feature, pl_background, pl_rule, pl_scenario, pl_scenarioOutline, pl_examples, pl_steps},
    {u"pt"sv, u"Portuguese"sv, u"português"sv,
     pt_feature, pt_background, pt_rule, pt_scenario, pt_scenarioOutline, pt_examples, pt_steps},
    {u"ro"sv, u"Romanian"sv, u"română"sv,
     ro_feature, ro_background, ro_rule, ro_scenario, ro_scenarioOutline, ro_examples, ro_steps},
    {u"ru"sv, u"Russian"sv, u"русский"sv,
     ru_feature, ru_background, ru_rule, ru_scenario, ru_scenarioOutline, ru_examples, ru_steps},
    {u"sk"sv, u"Slovak"sv, u"Slovensky"sv,
     sk_feature, sk_background, sk_rule, sk_scenario, sk_scenarioOutline, sk_examples, sk_steps},
    {u"sl"sv, u"Slovenian"sv, u"Slovenski"sv,
     sl_feature, sl_background, sl_rule, sl_scenario, sl_scenarioOutline, sl_examples, sl_steps},
    {u"sr-Cyrl"sv, u"Serbian"sv, u"Српски"sv,
     sr_Cyrl_feature, sr_Cyrl_background, sr_Cyrl_rule, sr_Cyrl_scenario, sr_Cyrl_scenarioOutline, sr_Cyrl_examples, sr_Cyrl_steps},
    {u"sr-Latn"sv, u"Serbian (Latin)"sv, u"Srpski (Latinica)"sv,
     sr_Latn_feature, sr_Latn_background, sr_Latn_rule, sr_Latn_scenario, sr_Latn_scenarioOutline, sr_Latn_examples, sr_Latn_steps},
    {u"sv"sv, u"Swedish"sv, u"Svenska"sv,
     sv_feature, sv_background, sv_rule, sv_scenario, sv_scenarioOutline, sv_examples, sv_steps},
    {u"ta"sv, u"Tamil"sv, u"தமிழ்"sv,
     ta_feature, ta_background, ta_rule, ta_scenario, ta_scenarioOutline, ta_examples, ta_steps},
    {u"th"sv, u"Thai"sv, u"ไทย"sv,
     th_feature, th_background, th_rule, th_scenario, th_scenarioOutline, th_examples, th_steps},
    {u"te"sv, u"Telugu"sv, u"తెలుగు"sv,
     te_feature, te_background, te_rule, te_scenario, te_scenarioOutline, te_examples, te_steps},
    {u"tlh"sv, u"Klingon"sv, u"tlhIngan"sv,
     tlh_feature, tlh_background, tlh_rule, tlh_scenario, tlh_scenarioOutline, tlh_examples, tlh_steps},
    {u"tr"sv, u"Turkish"sv, u"Türkçe"sv,
     tr_feature, tr_background, tr_rule, tr_scenario, tr_scenarioOutline, tr_examples, tr_steps},
    {u"tt"sv, u"Tatar"sv, u"Татарча"sv,
     tt_feature, tt_background, tt_rule, tt_scenario, tt_scenarioOutline, tt_examples, tt_steps},
    {u"uk"sv, u"Ukrainian"sv, u"Українська"sv,
     uk_feature, uk_background, uk_rule, uk_scenario, uk_scenarioOutline, uk_examples, uk_steps},
    {u"ur"sv, u"Urdu"sv, u"اردو"sv,
     ur_feature, ur_background, ur_rule, ur_scenario, ur_scenarioOutline, ur_examples, ur_steps},
    {u"uz"sv, u"Uzbek"sv, u"Узбекча"sv,
     uz_feature, uz_background, uz_rule, uz_scenario, uz_scenarioOutline, uz_examples, uz_steps},
    {u"vi"sv, u"Vietnamese"sv, u"Tiếng Việt"sv,
     vi_feature, vi_background, vi_rule, vi_scenario, vi_scenarioOutline, vi_examples, vi_steps},
    {u"zh-CN"sv, u"Chinese simplified"sv, u"简体中文"sv,
     zh_CN_feature, zh_CN_background, zh_CN_rule, zh_CN_scenario, zh_CN_scenarioOutline, zh_CN_examples, zh_CN_steps},
    {u"ml"sv, u"Malayalam"sv, u"മലയാളം"sv,
     ml_feature, ml_background, ml_rule, ml_scenario, ml_scenarioOutline, ml_examples, ml_steps},
    {u"zh-TW"sv, u"Chinese traditional"sv, u"繁體中文"sv,
     zh_TW_feature, zh_TW_background, zh_TW_rule, zh_TW_scenario, zh_TW_scenarioOutline, zh_TW_examples, zh_TW_steps},
    {u"mr"sv, u"Marathi"sv, u"मराठी"sv,
     mr_feature, mr_background, mr_rule, mr_scenario, mr_scenarioOutline, mr_examples, mr_steps},
    {u"amh"sv, u"Amharic"sv, u"አማርኛ"sv,
     amh_feature, amh_background, amh_rule, amh_scenario, amh_scenarioOutline, amh_examples, amh_steps},
};

constexpr GherkinKeywordTable table { dialects };

} // namespace

const GherkinKeywordTable& CucumberKeywordTable()
{
    return table;
}
