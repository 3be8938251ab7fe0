Feature: Doc strings
  Scenario: s
    Given backticks open no doc string
      ```
      x
      ```
    When a doc string opens
      """
      inside

      Scenario: a heading inside keeps its type and starts a description
      | a cell keeps its type |
      text
      """
    after the doc string, description
    Then an unclosed doc string runs to the end
      """json
      {
