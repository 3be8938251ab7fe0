Feature: x
  Rule: r
  @t
  Background:
  Scenario: s
