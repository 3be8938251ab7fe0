Feature: x
  Background:
    Given a
  bad
  Examples:
  Rule: r
    Background:
      Given b
        """
        """
      bad
    Background:
