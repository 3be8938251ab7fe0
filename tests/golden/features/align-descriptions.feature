Feature: Rows are a table only where Cucumber reads one
  | a row in a description | is text |
  |and|stays|

  Background:
    |still|description|
    Given a step
    # a comment before the rows
      |a|b|

      |ccc|d|
    # a comment after the rows

  Scenario Outline: o
    | description | too |
    Given <x>
      """
      |doc|string|
      """
      |after the|doc string|

    Examples: a description first
      then a second line | with a pipe
      # and a comment
      |x|
      |1|

      |22|

    Examples: text after the last pipe
      |x|
      | 333 | text

    Examples: rows of different lengths
      |x|
      |1|2|
