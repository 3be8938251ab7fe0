Feature: Doc strings
  Scenario: s
    Given a doc string holds lines that look like Gherkin
      """
      inside

      Scenario: a heading inside is text
    Given a step inside is text, left of the delimiter's column
        | a row inside is text |
      # a comment inside is text
      @a @tag @inside
      Examples: and no Examples line
      """
    after the doc string, text and no description
    Then an unclosed doc string runs to the end
      """json
      {
