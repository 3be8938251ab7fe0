loose text before any heading
Feature: Description runs from a heading to the first step
  As a user

  # a comment stays a comment
  @tag
  | a table row |
  Examples:
  #include "data.csv"
  still description after all of these
Background:
  background description
  * a starred step ends it
  text after a step is plain
Rule: r
  rule description
Scenario Outline: o
  outline description
  Given a step
  Examples:
  text after Examples is plain
Scenario: s
  more
    Given g
  after
